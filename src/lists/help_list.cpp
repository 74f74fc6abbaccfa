#include "lists/help_list.h"

#include "report/search_request.h"
#include "util/ascii_case.h"
#include "util/io_error.h"
#include "util/text_file.h"

namespace jovi {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The field that starts at `pos` (a non-blank character); `pos` moves past it.
std::string TakeField(std::string_view line, std::size_t& pos) {
  const char delimiter = line[pos];
  const std::size_t start = pos + 1;
  const std::size_t close = line.find(delimiter, start);
  if (close == std::string_view::npos) {
    pos = line.size();
    return std::string(line.substr(start));
  }
  pos = close + 1;
  return std::string(line.substr(start, close - start));
}

bool SkipBlanks(std::string_view line, std::size_t& pos) {
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  return pos < line.size();
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

void Append(HelpList& list, std::string title, std::string file_name) {
  HelpEntry entry{std::move(title), std::move(file_name)};
  if (entry.Title.size() > kHelpTitleLength) entry.Title.resize(kHelpTitleLength);
  if (entry.FileName.size() > kHelpFileNameLength) entry.FileName.resize(kHelpFileNameLength);
  list.Entries.InsertAfterCursor(entry);
}

}  // namespace

bool HelpEntry::IsHeading() const { return EqualsIgnoringAsciiCase(FileName, "begin"); }

std::optional<HelpListFields> ParseHelpListLine(std::string_view line) {
  line = line.substr(0, kHelpListLineLength);
  std::size_t pos = 0;
  if (!SkipBlanks(line, pos)) return std::nullopt;
  HelpListFields fields;
  fields.Title = TakeField(line, pos);
  if (SkipBlanks(line, pos)) fields.FileName = TakeField(line, pos);
  return fields;
}

void BuildHelpList(HelpList& list, const std::vector<std::string>& lines) {
  std::string indent;
  bool first = true;
  for (const std::string& line : lines) {
    const auto fields = ParseHelpListLine(line);
    if (!fields) continue;
    const std::string key = AsciiLower(fields->FileName);
    if (key == "end") {
      indent.resize(indent.size() < 2 ? 0 : indent.size() - 2);
      if (!first) {
        Append(list, {}, {});
        first = true;
      }
    } else if (key == "begin") {
      if (!first) Append(list, {}, {});
      Append(list, indent + "-" + fields->Title + "-", fields->FileName);
      first = false;
      indent = "  " + indent;
      if (indent.size() > kHelpTitleLength) indent.resize(kHelpTitleLength);
    } else {
      Append(list, indent + fields->Title, fields->FileName);
      first = false;
    }
  }
  list.Valid = true;
  list.SelectedIndex = 0;
  list.Entries.Reset();
}

HelpList ReadHelpList(const std::string& path, Prompter& prompter) {
  HelpList list;
  const TextFileLines file = ReadTextLines(path);
  if (!file.Ok()) {
    list.ErrorCode = static_cast<std::int16_t>(file.code);
    prompter.Tell("Help List File " + path +
                      " is Invalid.\r\n"
                      "Program will continue with defaults or alternative file.\r\n\r\n" +
                      IoErrorText(file.code),
                  "Help File Error", Icon::Information);
    return list;
  }
  BuildHelpList(list, file.lines);
  return list;
}

std::unique_ptr<HelpList> LoadHelpList(const std::string& path, Prompter& prompter) {
  auto list = std::make_unique<HelpList>(ReadHelpList(path, prompter));
  if (list->Valid) return list;
  prompter.Tell(
      "Cannot Access Help List.\r\nFile Name: " + path + "\r\n\r\n" + IoErrorText(list->ErrorCode),
      "File Error", Icon::Exclamation);
  return nullptr;
}

const HelpEntry* ItemAt(HelpList* list, int i) {
  if (!list || !list->Valid) return nullptr;
  return list->Entries.ItemAt(i);
}

int FindTopic(HelpList* list, std::string_view text, int start, bool case_dependent) {
  if (!list) return -1;
  const auto prepared = [case_dependent](std::string_view s) {
    return case_dependent ? Trimmed(s) : AsciiLower(Trimmed(s));
  };
  const std::string needle = prepared(text);
  for (int i = start < 0 ? 0 : start; i <= list->Entries.LastIndex(); ++i) {
    const HelpEntry* entry = list->Entries.ItemAt(i);
    if (entry && prepared(entry->Title) == needle) return i;
  }
  return -1;
}

TopicPick PickTopic(HelpList& list, int highlighted, Prompter& prompter) {
  const HelpEntry* entry = ItemAt(&list, highlighted);
  if (!entry) return TopicPick::Stay;
  if (entry->Title.empty()) return TopicPick::Beep;
  if (entry->IsHeading()) {
    // A heading nested too deep for its title has only blanks left of it.
    const std::size_t first = entry->Title.find_first_not_of(' ');
    const std::string heading =
        first == std::string::npos ? std::string() : entry->Title.substr(first);
    prompter.Tell("Select a Topic Under \"" + heading + "\"", "Topic Heading", Icon::Information);
    return TopicPick::Stay;
  }
  list.SelectedIndex = static_cast<std::int16_t>(highlighted);
  return TopicPick::Chosen;
}

std::optional<int> FindTopicLine(HelpList* list, const SearchRequest& request, int highlighted,
                                 Prompter& prompter) {
  if (request.StartMode == SearchStart::Cancelled) return std::nullopt;
  const int start = request.StartMode == SearchStart::FromTop ? 0 : highlighted + 1;
  const int found = FindTopic(list, request.SearchText, start, request.CaseDependent);
  if (found < 0) {
    TellNotFound(request.SearchText, prompter);
    return std::nullopt;
  }
  return found;
}

void TellNotFound(const std::string& text, Prompter& prompter) {
  prompter.Tell("\"" + text + "\" Not Found.", "String Not Found", Icon::Information);
}

}  // namespace jovi
