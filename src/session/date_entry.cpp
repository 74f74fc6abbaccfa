#include "session/date_entry.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "util/number_text.h"
#include "util/real.h"

namespace jovi {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Splits at `sep`; every part must be 1..max_digits decimal digits.
std::optional<std::vector<int>> Fields(std::string_view s, char sep, std::size_t max_digits) {
  std::vector<int> out;
  while (true) {
    const std::size_t end = s.find(sep);
    const std::string_view part = s.substr(0, end);
    if (part.empty() || part.size() > max_digits) return std::nullopt;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (ec != std::errc() || ptr != part.data() + part.size()) return std::nullopt;
    out.push_back(value);
    if (end == std::string_view::npos) return out;
    s.remove_prefix(end + 1);
  }
}

std::string Digits(const char* format, long long a, long long b, long long c) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

}  // namespace

std::optional<Real> ParseCalendarUT(std::string_view date, std::string_view time) {
  date = Trim(date);
  time = Trim(time);
  int sign = 1;
  if (!date.empty() && (date.front() == '-' || date.front() == '+')) {
    sign = date.front() == '-' ? -1 : 1;
    date.remove_prefix(1);
  }
  const auto ymd = Fields(date, '/', 4);
  if (!ymd || ymd->size() != 3 || (*ymd)[1] > 99 || (*ymd)[2] > 99) return std::nullopt;
  DateTimeRec rec;
  rec.ZoneOffset = 0;
  rec.Year = sign * (*ymd)[0];
  rec.Month = static_cast<std::uint8_t>((*ymd)[1]);
  rec.Day = static_cast<std::uint8_t>((*ymd)[2]);
  if (!IsValidDate(rec)) return std::nullopt;
  int hour = 0, minute = 0;
  float second = 0;
  if (!time.empty()) {
    std::string_view whole = time;
    std::string_view fraction;
    if (const std::size_t dot = time.find('.'); dot != std::string_view::npos) {
      whole = time.substr(0, dot);
      fraction = time.substr(dot + 1);
      if (fraction.empty() || fraction.size() > 6 ||
          fraction.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
      }
    }
    const auto hms = Fields(whole, ':', 2);
    if (!hms || hms->size() < 2 || hms->size() > 3) return std::nullopt;
    if (!fraction.empty() && hms->size() != 3) return std::nullopt;
    hour = (*hms)[0];
    minute = (*hms)[1];
    const int whole_second = hms->size() == 3 ? (*hms)[2] : 0;
    if (hour > 23 || minute > 59 || whole_second > 59) return std::nullopt;
    second = static_cast<float>(whole_second);
    if (!fraction.empty()) {
      second += std::stof("0." + std::string(fraction));
    }
  }
  rec.UTTime.Hour = static_cast<std::uint8_t>(hour);
  rec.UTTime.Minute = static_cast<std::uint8_t>(minute);
  rec.UTTime.Second = second;
  RecomputeSerial(rec);
  const Real jd = ToJD(rec);
  if (jd < 0) return std::nullopt;
  return jd;
}

std::optional<Real> ParseJulianDate(std::string_view text) {
  // Plain decimals only: a Julian date is never typed with an exponent.
  if (text.find_first_not_of(" \t+-0123456789.") != std::string_view::npos) return std::nullopt;
  return ParseNumber(text);
}

CalendarText CalendarTextOf(Real jd) {
  // To the nearest second, so that 23:59:59.7 is shown as the next day's 00:00:00.
  const Real rounded = std::nearbyint((jd + 0.5_r) * 86400.0_r) / 86400.0_r - 0.5_r;
  DateTimeRec rec;
  rec.ZoneOffset = 0;
  SetFromJD(rec, rounded);
  const long long seconds = static_cast<long long>(std::floor(rec.UTTime.Second + 0.5f));
  return {Digits("%04lld/%02lld/%02lld", rec.Year, rec.Month, rec.Day),
          Digits("%02lld:%02lld:%02lld", rec.UTTime.Hour, rec.UTTime.Minute,
                 seconds > 59 ? 59 : seconds)};
}

std::string JulianDateText(Real jd) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6" JOVI_REAL_LEN "f", jd);
  return text;
}

std::string CalendarErrorText(std::string_view date, std::string_view time) {
  std::string text = "\"";
  text.append(date).append(" ").append(time).append("\" is not a valid Calendar Date and/or Time!");
  return text;
}

std::string JulianDateErrorText(std::string_view text) {
  std::string message = "\"";
  message.append(text).append("\" is not a valid Julian Date!");
  return message;
}

}  // namespace jovi
