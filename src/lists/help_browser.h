// The help window's decisions: which topic it shows, read anew from its help file each time
// the window opens, the history of topics shown, going back, and following related topics.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/help_list.h"
#include "lists/help_topic.h"
#include "report/search_request.h"
#include "util/prompter.h"

namespace jovi {

// Set by whoever opens help: the list the topic dialog and the help window work on, the
// topic to show and the folder of the help files.
struct HelpState {
  HelpList* CurrentHelpList = nullptr;
  std::optional<HelpEntry> CurrentHelpEntry;
  std::string HelpFolder;
};

// A list entry's title as the help window names and finds its topic: without the blanks the
// list indents it by.
std::string ShownTopicTitle(const HelpEntry& entry);

struct HelpHistoryOrder {
  static bool Equal(const HelpEntry&, const HelpEntry&) { return false; }
  static bool Greater(const HelpEntry&, const HelpEntry&) { return false; }
};

class HelpBrowser {
 public:
  // The window is shown: the topic joins the history (unless it is the one last shown there).
  void Shown(const HelpState& state);
  bool BackEnabled() const { return History.Count() >= 2; }

  // The window opens: reads the topic. True when there is text to show in Lines(); otherwise
  // the reason has been told ("THelpWin Parameters Not Set!", "Help Not Available", "Topic
  // Not Found", "No Text for Topic"). `text_width` measures a line in the window's font.
  bool Activate(const HelpState& state, Prompter& prompter,
                const std::function<int(std::string_view)>& text_width);

  // "Show Help Topics..." closed with OK: the chosen topic is shown next and recorded.
  void TopicChosen(HelpState& state);
  // A double click on line `line`: when it names a topic of the current list (and lies after
  // the "RELATED TOPICS" line), that topic becomes current; true when the window is to be
  // shown again.
  bool FollowRelated(HelpState& state, int line, bool case_dependent);
  // "Back": the topic before the current one; true when the window is to be shown again.
  bool Back(HelpState& state, bool case_dependent);
  // "Search Text...": the line of the topic found, or nothing (cancelled, or after
  // "... Not Found.").
  std::optional<int> Search(const SearchRequest& request, int highlighted,
                            Prompter& prompter) const;
  // The user closed the window.
  void Closed();

  const std::vector<std::string>& Lines() const { return shown_.lines; }
  std::string Caption() const { return "Help - " + TopicTitle; }

  std::string TopicTitle;
  std::string TopicPath;
  bool Loaded = false;
  int RelatedIndex = -1;
  OrderedList<HelpEntry, HelpHistoryOrder> History;
  bool AddToHistory = true;
  bool ClearHistoryOnClose = true;

 private:
  TopicDisplay shown_;
};

}  // namespace jovi
