#include "util/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "util/float_chars.h"
#include "util/real.h"

namespace jovi {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks around it and without a leading "+" (which from_chars does
// not take); nothing when it is empty or a second sign follows the "+".
std::optional<std::string_view> WithoutPlus(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace

std::optional<Real> ParseNumber(std::string_view text) {
  const std::optional<std::string_view> t = WithoutPlus(text);
  if (!t) return std::nullopt;
  // from_chars never reads hexadecimal in the general format; "inf" and "nan" are refused here.
  Real value = 0;
  const auto [end, ec] = FloatFromChars(t->data(), t->data() + t->size(), value);
  if (ec != std::errc() || end != t->data() + t->size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  const std::optional<std::string_view> t = WithoutPlus(text);
  if (!t) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(t->data(), t->data() + t->size(), value);
  if (ec != std::errc() || end != t->data() + t->size()) return std::nullopt;
  return value;
}

std::string FixedNumberText(Real value, int decimals) {
  char text[128];
  const int precision = std::clamp(decimals, 0, 18);
  std::to_chars_result r = FloatToChars(text, text + sizeof text, value,
                                       std::chars_format::fixed, precision);
  // Only values of more than a hundred digits (never shown by the program) fall back.
  if (r.ec != std::errc()) {
    r = FloatToChars(text, text + sizeof text, value, std::chars_format::scientific, precision);
  }
  return std::string(text, r.ptr);
}

}  // namespace jovi
