#include "util/float_chars.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace jovi {

#if defined(__cpp_lib_to_chars)
#define JOVI_STD_FLOAT_CHARS 1
#else
#define JOVI_STD_FLOAT_CHARS 0
#endif

namespace portable {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when [p, last) starts with `word`, case ignored.
bool StartsWith(const char* p, const char* last, const char* word) {
  const std::size_t n = std::strlen(word);
  if (static_cast<std::size_t>(last - p) < n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    if (Lower(p[i]) != word[i]) return false;
  }
  return true;
}

template <typename T>
T Parse(const char* text, char** end);
template <>
float Parse<float>(const char* text, char** end) { return std::strtof(text, end); }
template <>
double Parse<double>(const char* text, char** end) { return std::strtod(text, end); }
template <>
long double Parse<long double>(const char* text, char** end) { return std::strtold(text, end); }

// The general format of std::from_chars: an optional "-", then "inf", "infinity", "nan",
// "nan(chars)" or digits with an optional fraction and an optional exponent.
template <typename T>
std::from_chars_result FromCharsOf(const char* first, const char* last, T& value) {
  const char* p = first;
  const bool negative = p != last && *p == '-';
  if (negative) ++p;
  if (StartsWith(p, last, "inf")) {
    p += StartsWith(p, last, "infinity") ? 8 : 3;
    value = negative ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
    return {p, std::errc()};
  }
  if (StartsWith(p, last, "nan")) {
    p += 3;
    if (p != last && *p == '(') {
      const char* q = p + 1;
      while (q != last && (IsDigit(*q) || (Lower(*q) >= 'a' && Lower(*q) <= 'z') || *q == '_')) ++q;
      if (q != last && *q == ')') p = q + 1;
    }
    value = negative ? -std::numeric_limits<T>::quiet_NaN() : std::numeric_limits<T>::quiet_NaN();
    return {p, std::errc()};
  }
  std::string text(negative ? "-" : "");
  int digits = 0;
  while (p != last && IsDigit(*p)) { text += *p++; ++digits; }
  if (p != last && *p == '.') {
    // The C library reads the locale's decimal separator.
    const char* point = std::localeconv()->decimal_point;
    text += (point && *point) ? point : ".";
    ++p;
    while (p != last && IsDigit(*p)) { text += *p++; ++digits; }
  }
  if (digits == 0) return {first, std::errc::invalid_argument};
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && IsDigit(*q)) {
      text += 'e';
      for (const char* s = p + 1; s != q; ++s) text += *s;
      while (q != last && IsDigit(*q)) text += *q++;
      p = q;
    }
  }
  errno = 0;
  char* end = nullptr;
  const T parsed = Parse<T>(text.c_str(), &end);
  // Beyond the range, or so small that nothing but zero is left; a subnormal result is a value.
  if (errno == ERANGE && (parsed == 0 || std::isinf(parsed))) {
    return {p, std::errc::result_out_of_range};
  }
  value = parsed;
  return {p, std::errc()};
}

template <typename T>
int Print(char* buf, std::size_t size, const char* conversion, int precision, T value) {
  char format[8] = "%.*";
  if constexpr (sizeof(T) > sizeof(double)) std::strcat(format, "L");
  std::strcat(format, conversion);
  if constexpr (sizeof(T) > sizeof(double)) {
    return std::snprintf(buf, size, format, precision, value);
  } else {
    return std::snprintf(buf, size, format, precision, static_cast<double>(value));
  }
}

std::to_chars_result Copy(char* first, char* last, const std::string& text) {
  if (static_cast<std::size_t>(last - first) < text.size()) {
    return {last, std::errc::value_too_large};
  }
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), std::errc()};
}

// The locale's decimal separator (if any) back to the full stop.
void FullStop(std::string& text) {
  const char* point = std::localeconv()->decimal_point;
  if (!point || !*point || std::strcmp(point, ".") == 0) return;
  const std::size_t at = text.find(point);
  if (at == std::string::npos) return;
  std::string out(text, 0, at);
  out += '.';
  out.append(text, at + std::strlen(point));
  text = std::move(out);
}

template <typename T>
std::to_chars_result ShortestOf(char* first, char* last, T value) {
  if (std::isnan(value)) return Copy(first, last, std::signbit(value) ? "-nan" : "nan");
  if (std::isinf(value)) return Copy(first, last, value < 0 ? "-inf" : "inf");
  if (value == 0) return Copy(first, last, std::signbit(value) ? "-0" : "0");
  // The fewest significant digits that read back as the value.
  char buf[64];
  std::string digits;
  int exponent = 0;
  for (int precision = 0; precision <= std::numeric_limits<T>::max_digits10; ++precision) {
    Print(buf, sizeof buf, "e", precision, value);
    std::string text(buf);
    FullStop(text);
    T back = 0;
    const char* b = text.c_str();
    FromCharsOf(b, b + text.size(), back);
    if (back == value || precision == std::numeric_limits<T>::max_digits10) {
      const std::size_t e = text.find('e');
      exponent = std::atoi(text.c_str() + e + 1);
      for (std::size_t i = 0; i < e; ++i) {
        if (IsDigit(text[i])) digits += text[i];
      }
      break;
    }
  }
  // Scientific: d[.ddd]e±XX.
  std::string scientific;
  if (value < 0) scientific += '-';
  scientific += digits[0];
  if (digits.size() > 1) {
    scientific += '.';
    scientific.append(digits, 1);
  }
  char exp_text[16];
  std::snprintf(exp_text, sizeof exp_text, "e%c%02d", exponent < 0 ? '-' : '+',
                exponent < 0 ? -exponent : exponent);
  scientific += exp_text;
  // Fixed: the same digits around the decimal point, padded with zeros.
  std::string fixed;
  if (value < 0) fixed += '-';
  const auto n = static_cast<int>(digits.size());
  if (exponent < 0) {
    fixed += "0.";
    fixed.append(static_cast<std::size_t>(-exponent - 1), '0');
    fixed += digits;
  } else if (exponent + 1 >= n) {
    // A whole number is written with all its digits, as exact as the value (1e17 + 8 is
    // "100000000000000008", not "100000000000000010"). Longer ones lose to scientific anyway.
    if (exponent < 40) {
      Print(buf, sizeof buf, "f", 0, value < 0 ? -value : value);
      fixed += buf;
    } else {
      fixed += digits;
      fixed.append(static_cast<std::size_t>(exponent + 1 - n), '0');
    }
  } else {
    fixed.append(digits, 0, static_cast<std::size_t>(exponent + 1));
    fixed += '.';
    fixed.append(digits, static_cast<std::size_t>(exponent + 1));
  }
  return Copy(first, last, scientific.size() < fixed.size() ? scientific : fixed);
}

template <typename T>
std::to_chars_result WithPrecisionOf(char* first, char* last, T value, std::chars_format format,
                                     int precision) {
  const char* conversion = format == std::chars_format::scientific ? "e" : "f";
  const int n = Print(first, 0, conversion, precision, value);
  if (n < 0) return {last, std::errc::value_too_large};
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  Print(text.data(), text.size(), conversion, precision, value);
  text.resize(static_cast<std::size_t>(n));
  FullStop(text);
  return Copy(first, last, text);
}

}  // namespace

std::from_chars_result FromChars(const char* first, const char* last, float& value) {
  return FromCharsOf(first, last, value);
}
std::from_chars_result FromChars(const char* first, const char* last, double& value) {
  return FromCharsOf(first, last, value);
}
std::from_chars_result FromChars(const char* first, const char* last, long double& value) {
  return FromCharsOf(first, last, value);
}
std::to_chars_result ToChars(char* first, char* last, float value) {
  return ShortestOf(first, last, value);
}
std::to_chars_result ToChars(char* first, char* last, double value) {
  return ShortestOf(first, last, value);
}
std::to_chars_result ToChars(char* first, char* last, long double value) {
  return ShortestOf(first, last, value);
}
std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
  return WithPrecisionOf(first, last, value, format, precision);
}
std::to_chars_result ToChars(char* first, char* last, long double value,
                             std::chars_format format, int precision) {
  return WithPrecisionOf(first, last, value, format, precision);
}

}  // namespace portable

namespace {
#if JOVI_STD_FLOAT_CHARS
template <typename T>
std::from_chars_result Read(const char* first, const char* last, T& value) {
  return std::from_chars(first, last, value);
}
template <typename... A>
std::to_chars_result Write(char* first, char* last, A... a) {
  return std::to_chars(first, last, a...);
}
#else
template <typename T>
std::from_chars_result Read(const char* first, const char* last, T& value) {
  return portable::FromChars(first, last, value);
}
template <typename... A>
std::to_chars_result Write(char* first, char* last, A... a) {
  return portable::ToChars(first, last, a...);
}
#endif
}  // namespace

std::from_chars_result FloatFromChars(const char* first, const char* last, float& value) {
  return Read(first, last, value);
}
std::from_chars_result FloatFromChars(const char* first, const char* last, double& value) {
  return Read(first, last, value);
}
std::from_chars_result FloatFromChars(const char* first, const char* last, long double& value) {
  return Read(first, last, value);
}
std::to_chars_result FloatToChars(char* first, char* last, float value) {
  return Write(first, last, value);
}
std::to_chars_result FloatToChars(char* first, char* last, double value) {
  return Write(first, last, value);
}
std::to_chars_result FloatToChars(char* first, char* last, long double value) {
  return Write(first, last, value);
}
std::to_chars_result FloatToChars(char* first, char* last, double value,
                                  std::chars_format format, int precision) {
  return Write(first, last, value, format, precision);
}
std::to_chars_result FloatToChars(char* first, char* last, long double value,
                                  std::chars_format format, int precision) {
  return Write(first, last, value, format, precision);
}

}  // namespace jovi
