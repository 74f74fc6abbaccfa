// Fuzzes help topic files (.hlp) as the help window reads them (HelpBrowser::Activate): the
// topic found in a file of one or several topics, its lines wrapped for the window, the related
// topics followed and the text searched; no line shown is wider than the wrap width and its
// margins. The input is the file; when it holds a NUL byte, what comes before the first one is
// the title of the topic asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_file.h"
#include "lists/help_browser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string title = "Measuring the Positions";
  std::string_view file = input;
  if (const std::size_t nul = input.find('\0'); nul != std::string_view::npos) {
    title = std::string(input.substr(0, nul));
    file = input.substr(nul + 1);
  }
  const std::string path = fuzz::InputFile(reinterpret_cast<const std::uint8_t*>(file.data()),
                                           file.size(), "Measure.hlp");
  const std::size_t slash = path.rfind('/');

  HelpList list;
  list.Entries.InsertAfterCursor({"  " + title, path.substr(slash + 1)});
  list.Entries.InsertAfterCursor({"Related", path.substr(slash + 1)});
  list.Valid = true;
  HelpState state;
  state.CurrentHelpList = &list;
  state.CurrentHelpEntry = HelpEntry{title, path.substr(slash + 1)};
  state.HelpFolder = path.substr(0, slash + 1);

  SilentPrompter silent;
  HelpBrowser browser;
  browser.Shown(state);
  const auto width = [](std::string_view line) { return static_cast<int>(line.size()) * 7; };
  if (!browser.Activate(state, silent, width)) return 0;
  const int lines = static_cast<int>(browser.Lines().size());
  for (const std::string& line : browser.Lines()) {
    if (line.size() > kHelpWrapWidth + 4) std::abort();  // two blanks either side
  }
  SearchRequest request;
  request.SearchText = "the";
  request.StartMode = SearchStart::FromTop;
  browser.Search(request, 0, silent);
  for (int line = browser.RelatedIndex + 1; line < lines && line < 64; ++line) {
    if (browser.FollowRelated(state, line, false)) {
      browser.Shown(state);
      browser.Activate(state, silent, width);
      browser.Back(state, false);
      break;
    }
  }
  browser.Closed();
  return 0;
}
