#include "analysis/analysis_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace jovi {

namespace {

std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

}  // namespace

std::string FixedText(long double value, int decimals, int width) {
  char buf[96];
  const int n = std::snprintf(buf, sizeof buf, "%*.*Lf", std::clamp(width, 0, 40),
                              std::clamp(decimals, 0, 18), value);
  // Values too large for the buffer (never met in practice) are written in exponent form.
  if (n < 0 || n >= static_cast<int>(sizeof buf)) return ExponentText(value, 8);
  return buf;
}

std::string ExponentText(long double value, int significant) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*LE", std::clamp(significant - 1, 0, 18), value);
  return buf;
}

bool ParseDecimal(const std::string& text, long double& value) {
  std::string t = Trimmed(text);
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  if (t.empty() || t.front() == '+') return false;
  // A plain decimal number only: from_chars takes no hexadecimal here, and "inf" or "nan"
  // are refused below.
  long double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

bool ParseInteger(const std::string& text, int& value) {
  std::string t = Trimmed(text);
  if (!t.empty() && t.front() == '+') t.erase(0, 1);
  if (t.empty() || t.front() == '+') return false;
  int v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size()) return false;
  value = v;
  return true;
}

}  // namespace jovi
