// Help files: finding a topic in a file of one or several topics, and turning its lines into
// the lines the help window shows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jovi {

inline constexpr std::size_t kHelpWrapWidth = 72;
// A topic whose shown lines are all at most this wide (pixels) has no text.
inline constexpr int kEmptyTopicWidth = 200;

// The lines of the topic `title` in a help file. A file whose first line begins with "*"
// holds several topics, each after a marker line holding "*" and its title (compared without
// letter case; a marker naming exactly the title is preferred to one that merely contains it)
// and ending before the next line that begins and ends with "*". Any other file is one topic.
// Nothing when the topic is not in the file.
std::optional<std::vector<std::string>> TopicLines(const std::vector<std::string>& file,
                                                   std::string_view title);

// Breaks `text` into pieces of at most `width` characters at blanks: each piece ends with the
// blank it was broken at (blanks following a break exactly at `width` are dropped), and text
// without a blank in its first `width` characters is cut there.
std::vector<std::string> WrapWords(std::string_view text, std::size_t width = kHelpWrapWidth);

// What the help window lists for a topic: a blank line, every line between two blanks on each
// side (long lines wrapped at 72), a blank line; and the line of "RELATED TOPICS", -1 if none.
struct TopicDisplay {
  std::vector<std::string> lines;
  int RelatedIndex = -1;
};
TopicDisplay DisplayTopic(const std::vector<std::string>& topic);

// True when some line is wider than kEmptyTopicWidth pixels in the window's font.
bool TopicHasText(const std::vector<std::string>& lines,
                  const std::function<int(std::string_view)>& text_width);

}  // namespace jovi
