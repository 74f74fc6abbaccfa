// Searching a list of lines for a text that may run over from one line into the next.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jovi {

// Where a search starts, as the search dialog leaves it.
enum class SearchStart { FromTop = 0, FromCursor = 1, Cancelled = 2 };

// Looks for `needle` from the first line (FromTop) or from the line after `highlighted`
// (FromCursor). Each line is searched with the next one appended after a blank (both without
// their leading blanks), so a text broken over two lines is found: the result is the line in
// which the match starts. Letters A-Z are compared without case unless `case_dependent`.
// Nothing when not found or cancelled.
std::optional<std::size_t> SearchLines(const std::vector<std::string>& lines, SearchStart start,
                                       int highlighted, std::string_view needle,
                                       bool case_dependent);

}  // namespace jovi
