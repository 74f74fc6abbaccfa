#include "lists/help_browser.h"

#include "util/io_error.h"
#include "util/text_file.h"

namespace jovi {

namespace {

constexpr const char* kNotAvailable = "Help on this topic is not available at this time.";

}  // namespace

std::string ShownTopicTitle(const HelpEntry& entry) {
  const std::size_t first = entry.Title.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : entry.Title.substr(first);
}

void HelpBrowser::Shown(const HelpState& state) {
  if (!AddToHistory || !state.CurrentHelpEntry) return;
  History.Reset();
  const HelpEntry* last = History.ItemAt(History.LastIndex());
  if (last && last->Title == state.CurrentHelpEntry->Title) return;
  if (last) {
    History.InsertAfterCursor(*state.CurrentHelpEntry);
  } else {
    History.InsertFront(*state.CurrentHelpEntry);
  }
}

bool HelpBrowser::Activate(const HelpState& state, Prompter& prompter,
                           const std::function<int(std::string_view)>& text_width) {
  shown_ = {};
  RelatedIndex = -1;
  if (!state.CurrentHelpEntry || state.HelpFolder.empty()) {
    prompter.Tell("THelpWin Parameters Not Set!", "Error", Icon::Stop);
    Loaded = false;
    return false;
  }
  TopicTitle = ShownTopicTitle(*state.CurrentHelpEntry);
  TopicPath = state.HelpFolder + state.CurrentHelpEntry->FileName;
  const TextFileLines file = ReadTextLines(TopicPath);
  if (!file.Ok()) {
    prompter.Tell("Cannot Access Help File " + TopicPath + "\r\n\r\n" + IoErrorText(file.code),
                  "Help Not Available", Icon::Exclamation);
    Loaded = false;
    return false;
  }
  Loaded = true;
  const auto topic = TopicLines(file.lines, TopicTitle);
  if (!topic) {
    prompter.Tell("Help Topic: " + TopicTitle + "\r\n\r\n" + kNotAvailable, "Topic Not Found",
                  Icon::Information);
    return false;
  }
  TopicDisplay display = DisplayTopic(*topic);
  if (!TopicHasText(display.lines, text_width)) {
    prompter.Tell("Help Topic: " + TopicTitle + "\r\n\r\n" + kNotAvailable, "No Text for Topic",
                  Icon::Information);
    return false;
  }
  shown_ = std::move(display);
  RelatedIndex = shown_.RelatedIndex;
  return true;
}

void HelpBrowser::TopicChosen(HelpState& state) {
  const HelpEntry* entry = state.CurrentHelpList
                               ? ItemAt(state.CurrentHelpList, state.CurrentHelpList->SelectedIndex)
                               : nullptr;
  if (entry) state.CurrentHelpEntry = *entry;
  AddToHistory = true;
}

bool HelpBrowser::FollowRelated(HelpState& state, int line, bool case_dependent) {
  if (line <= RelatedIndex || line < 0 || line >= static_cast<int>(shown_.lines.size())) {
    return false;
  }
  const std::string& text = shown_.lines[static_cast<std::size_t>(line)];
  // A blank line names nothing (it would find the list's separators).
  if (text.find_first_not_of(' ') == std::string::npos) return false;
  const int found = FindTopic(state.CurrentHelpList, text, 0, case_dependent);
  if (found < 0) return false;
  state.CurrentHelpEntry = *ItemAt(state.CurrentHelpList, found);
  state.CurrentHelpList->SelectedIndex = static_cast<std::int16_t>(found);
  AddToHistory = true;
  return true;
}

bool HelpBrowser::Back(HelpState& state, bool case_dependent) {
  if (!BackEnabled()) return false;
  History.ItemAt(History.LastIndex());
  History.DeleteAtCursor();
  const HelpEntry previous = *History.ItemAt(History.LastIndex());
  // The entry in the history knows its own file, so a topic that is not in the current list
  // (the "On Help" and "User Help" pages, or a topic of another window's list) still comes back.
  state.CurrentHelpEntry = previous;
  const int found = FindTopic(state.CurrentHelpList, previous.Title, 0, case_dependent);
  if (found >= 0) {
    state.CurrentHelpEntry = *ItemAt(state.CurrentHelpList, found);
    state.CurrentHelpList->SelectedIndex = static_cast<std::int16_t>(found);
  }
  AddToHistory = false;
  return true;
}

std::optional<int> HelpBrowser::Search(const SearchRequest& request, int highlighted,
                                       Prompter& prompter) const {
  if (request.StartMode == SearchStart::Cancelled) return std::nullopt;
  const auto found = SearchLines(shown_.lines, request.StartMode, highlighted, request.SearchText,
                                 request.CaseDependent);
  if (!found) {
    TellNotFound(request.SearchText, prompter);
    return std::nullopt;
  }
  return static_cast<int>(*found);
}

void HelpBrowser::Closed() {
  if (ClearHistoryOnClose) History.Clear();
}

}  // namespace jovi
