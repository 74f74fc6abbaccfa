// Fuzzes the hotlist file (.htl) as the hotlist window loads it (HotlistModel::Load), then what
// the window does with the dates: the lines it lists, choosing, editing and searching, the
// printout, and saving a file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz_file.h"
#include "lists/hotlist_file.h"
#include "lists/hotlist_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::string path = fuzz::InputFile(data, size, "HotDates.htl");
  SilentPrompter silent;
  HotlistModel model(silent);
  model.Load(path);
  const std::size_t count = static_cast<std::size_t>(model.Entries().Count());
  for (bool edit_mode : {false, true}) {
    model.Refill(edit_mode);
    if (model.Lines().size() != count) std::abort();
  }
  const int lines = static_cast<int>(count);
  for (int i = -1; i <= lines && i < 64; ++i) {
    if (model.Choose(i) != (i >= 0 && i < lines)) std::abort();
    if (const auto entry = model.BeginEdit(i)) model.FinishEdit(*entry, true);
  }
  if (model.Delete(0)) model.Undo();
  if (static_cast<std::size_t>(model.Entries().Count()) != count) std::abort();
  SearchRequest request;
  request.SearchText = "io";
  request.StartMode = SearchStart::FromTop;
  model.Search(request, 0);
  (void)model.Printout(false, StudentInfo{}, "12", "10:00 PM");

  const std::string saved = fuzz::FuzzFolder() + "saved.htl";
  if (!model.SaveTo(saved)) std::abort();
  const HotlistFileRead back = ReadHotlistFile(saved);
  std::remove(saved.c_str());
  if (!back.Ok() || back.partial_record || back.unusable_dates != 0 ||
      back.entries.size() != count) {
    std::abort();
  }
  return 0;
}
