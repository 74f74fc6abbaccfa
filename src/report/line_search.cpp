#include "report/line_search.h"

#include "util/ascii_case.h"

namespace jovi {

namespace {

constexpr std::size_t kMaxNeedle = 81;

std::string Prepared(std::string_view line, bool case_dependent) {
  const std::size_t first = line.find_first_not_of(' ');
  const std::string_view trimmed =
      first == std::string_view::npos ? std::string_view() : line.substr(first);
  return case_dependent ? std::string(trimmed) : AsciiLower(trimmed);
}

}  // namespace

std::optional<std::size_t> SearchLines(const std::vector<std::string>& lines, SearchStart start,
                                       int highlighted, std::string_view needle,
                                       bool case_dependent) {
  if (start == SearchStart::Cancelled) return std::nullopt;
  const long long first = start == SearchStart::FromTop ? 0 : static_cast<long long>(highlighted) + 1;
  if (first < 0) return std::nullopt;
  needle = needle.substr(0, kMaxNeedle);
  const std::string wanted = case_dependent ? std::string(needle) : AsciiLower(needle);
  const std::size_t count = lines.size();
  for (std::size_t i = static_cast<std::size_t>(first); i < count; ++i) {
    std::string text = Prepared(lines[i], case_dependent);
    const std::size_t own_length = text.size();
    const bool has_next = i + 1 < count;
    if (has_next) text += ' ' + Prepared(lines[i + 1], case_dependent);
    const std::size_t p = text.find(wanted);
    if (p != std::string::npos) return p < own_length ? i : i + 1;
    if (!has_next || i + 1 == count - 1) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace jovi
