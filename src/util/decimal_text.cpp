#include "util/decimal_text.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "util/number_text.h"
#include "util/real.h"

namespace jovi {

std::string FixedText(Real value, int decimals, int width) {
  char buf[96];
  const int n = std::snprintf(buf, sizeof buf, "%*.*" JOVI_REAL_LEN "f", std::clamp(width, 0, 40),
                              std::clamp(decimals, 0, 18), value);
  // Values too large for the buffer (never met in practice) are written in exponent form.
  if (n < 0 || n >= static_cast<int>(sizeof buf)) return ExponentText(value, 8);
  return buf;
}

std::string ExponentText(Real value, int significant) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*" JOVI_REAL_LEN "E", std::clamp(significant - 1, 0, 18), value);
  return buf;
}

bool ParseDecimal(const std::string& text, Real& value) {
  const std::optional<Real> number = ParseNumber(text);
  if (number) value = *number;
  return number.has_value();
}

bool ParseInteger(const std::string& text, int& value) {
  const std::optional<std::int32_t> number = jovi::ParseInteger(text);
  if (number) value = *number;
  return number.has_value();
}

}  // namespace jovi
