#include "lists/help_topic.h"

#include "util/ascii_case.h"

namespace jovi {

namespace {

bool IsTopicEnd(const std::string& line) {
  return !line.empty() && line.front() == '*' && line.back() == '*';
}

// The marker's own text: the line without its stars and surrounding blanks.
std::string MarkerName(const std::string& line) {
  const std::size_t first = line.find_first_not_of("* \t");
  if (first == std::string::npos) return {};
  const std::size_t last = line.find_last_not_of("* \t");
  return AsciiLower(line.substr(first, last - first + 1));
}

}  // namespace

std::optional<std::vector<std::string>> TopicLines(const std::vector<std::string>& file,
                                                   std::string_view title) {
  if (file.empty() || file.front().empty() || file.front().front() != '*') return file;
  const std::string wanted = AsciiLower(title);
  std::optional<std::size_t> marker;
  for (std::size_t i = 0; i < file.size() && !marker; ++i) {
    if (file[i].find('*') != std::string::npos && MarkerName(file[i]) == wanted) marker = i;
  }
  for (std::size_t i = 0; i < file.size() && !marker; ++i) {
    if (file[i].find('*') != std::string::npos &&
        AsciiLower(file[i]).find(wanted) != std::string::npos) {
      marker = i;
    }
  }
  if (!marker) return std::nullopt;
  std::vector<std::string> topic;
  for (std::size_t i = *marker + 1; i < file.size() && !IsTopicEnd(file[i]); ++i) {
    topic.push_back(file[i]);
  }
  return topic;
}

std::vector<std::string> WrapWords(std::string_view text, std::size_t width) {
  std::vector<std::string> pieces;
  while (text.size() > width) {
    const std::size_t blank = text.substr(0, width).find_last_of(' ');
    if (blank == std::string_view::npos) {
      pieces.emplace_back(text.substr(0, width));
      text.remove_prefix(width);
      continue;
    }
    pieces.emplace_back(text.substr(0, blank + 1));
    std::size_t rest = blank + 1;
    if (blank + 1 == width) {
      while (rest < text.size() && text[rest] == ' ') ++rest;
    }
    text.remove_prefix(rest);
  }
  if (!text.empty() || pieces.empty()) pieces.emplace_back(text);
  return pieces;
}

TopicDisplay DisplayTopic(const std::vector<std::string>& topic) {
  TopicDisplay shown;
  shown.lines.emplace_back(" ");
  for (const std::string& line : topic) {
    if (line.size() <= kHelpWrapWidth) {
      if (AsciiUpper(line).find("RELATED TOPICS") != std::string::npos) {
        shown.RelatedIndex = static_cast<int>(shown.lines.size());
      }
      shown.lines.push_back("  " + line + "  ");
      continue;
    }
    for (const std::string& piece : WrapWords(line)) shown.lines.push_back("  " + piece + "  ");
  }
  shown.lines.emplace_back(" ");
  return shown;
}

bool TopicHasText(const std::vector<std::string>& lines,
                  const std::function<int(std::string_view)>& text_width) {
  for (const std::string& line : lines) {
    if (text_width(line) > kEmptyTopicWidth) return true;
  }
  return false;
}

}  // namespace jovi
