// Fuzzes help topic lists (.lst) as the program loads them (LoadHelpList), then what the topic
// dialog does with them: every line picked, topics found by title and by the "Find Topic"
// search.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_file.h"
#include "lists/help_list.h"
#include "report/search_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::string path = fuzz::InputFile(data, size, "JupHlp.lst");
  SilentPrompter silent;
  const std::unique_ptr<HelpList> list = LoadHelpList(path, silent);
  if (!list) return 0;
  if (!list->Valid) std::abort();
  const int count = list->Entries.Count();
  for (int i = -1; i <= count && i < 256; ++i) {
    const HelpEntry* entry = ItemAt(list.get(), i);
    if ((entry != nullptr) != (i >= 0 && i < count)) std::abort();
    if (entry && FindTopic(list.get(), entry->Title, 0, true) < 0 && !entry->Title.empty()) {
      // A title is found from the top, at the latest at its own line.
      if (FindTopic(list.get(), entry->Title, 0, false) < 0) std::abort();
    }
    PickTopic(*list, i, silent);
  }
  for (SearchStart start : {SearchStart::FromTop, SearchStart::FromCursor}) {
    SearchRequest request;
    request.SearchText = "data";
    request.StartMode = start;
    FindTopicLine(list.get(), request, count / 2, silent);
  }
  return 0;
}
