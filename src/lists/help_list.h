// Help topic lists: the topics of one window, read from a help list file, grouped under
// headings, with the search for a topic by its title.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/ordered_list.h"
#include "util/prompter.h"

namespace jovi {

inline constexpr std::size_t kHelpTitleLength = 65;
inline constexpr std::size_t kHelpFileNameLength = 71;
inline constexpr std::size_t kHelpListLineLength = 80;  // characters of a list line read

// One line of a topic list: a topic (title and help file), a group heading (file name
// "begin") or a separator (both empty).
struct HelpEntry {
  std::string Title;
  std::string FileName;
  bool IsHeading() const;
  bool IsSeparator() const { return Title.empty() && FileName.empty(); }
};

// Topics stay in file order: nothing sorts them.
struct HelpFileOrder {
  static bool Equal(const HelpEntry&, const HelpEntry&) { return false; }
  static bool Greater(const HelpEntry&, const HelpEntry&) { return false; }
};

struct HelpList {
  OrderedList<HelpEntry, HelpFileOrder> Entries;
  bool Valid = false;              // the file was read to its end
  std::int16_t ErrorCode = 2;      // result code of the failed read
  std::int16_t SelectedIndex = 0;  // the topic last chosen in the topic dialog
};

// The two fields of a list line (its first 80 characters): each opened by its own first
// character and closed by that character's next occurrence, or running to the end of the
// line. Nothing when the line holds no field; a lone field gives an empty second one.
struct HelpListFields {
  std::string Title;
  std::string FileName;
};
std::optional<HelpListFields> ParseHelpListLine(std::string_view line);

// Builds the list from the lines of a list file: group headings between hyphens, the topics
// under them indented by two blanks per level, separators around groups.
void BuildHelpList(HelpList& list, const std::vector<std::string>& lines);

// Reads `path` into a new list. A file that cannot be read gives "Help List File ... is
// Invalid." and a list that is not Valid.
HelpList ReadHelpList(const std::string& path, Prompter& prompter);

// Reads `path` and keeps the list only when it is Valid; otherwise "Cannot Access Help List."
// and nothing.
std::unique_ptr<HelpList> LoadHelpList(const std::string& path, Prompter& prompter);

// The entry at index i, or nothing (also for a list that is not Valid). Moves the cursor.
const HelpEntry* ItemAt(HelpList* list, int i);

// The first entry from `start` on whose title, without leading and trailing blanks (and in
// lower case unless `case_dependent`), equals `text` treated the same way; -1 when none.
int FindTopic(HelpList* list, std::string_view text, int start, bool case_dependent);

// "Read/Print Topic..." (or a double click) on the highlighted line of the topic dialog.
enum class TopicPick { Chosen, Stay, Beep };
// A topic becomes the list's SelectedIndex (Chosen); a heading says "Select a Topic Under ..."
// (Stay); a separator only sounds the beep.
TopicPick PickTopic(HelpList& list, int highlighted, Prompter& prompter);

struct SearchRequest;
// "Find Topic...": the dialog's text from the top or from the line after `highlighted`;
// the line found, or nothing (a cancelled dialog, or after "... Not Found.").
std::optional<int> FindTopicLine(HelpList* list, const SearchRequest& request, int highlighted,
                                 Prompter& prompter);

// The message of a search that found nothing: "\"text\" Not Found."
void TellNotFound(const std::string& text, Prompter& prompter);

}  // namespace jovi
