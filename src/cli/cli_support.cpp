#include "cli/cli_support.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sky/observer_place.h"
#include "util/float_chars.h"
#include "util/real.h"

namespace jovi::cli {

namespace {

Real FirstJD() {
  DateTimeRec rec;
  rec.Year = -4000;
  rec.Month = 1;
  rec.Day = 1;
  RecomputeSerial(rec);
  return ToJD(rec);
}

Real EndJD() {  // 8001 January 1, 0h: the first instant past the calendar's years
  DateTimeRec rec;
  rec.Year = 8000;
  rec.Month = 12;
  rec.Day = 31;
  RecomputeSerial(rec);
  return ToJD(rec) + 1;
}

// Splits "a<sep>b<sep>c" into exactly three integer fields (the first may carry a sign).
bool ThreeFields(std::string_view text, char sep, long long (&out)[3], bool last_fractional,
                 Real& last) {
  for (int i = 0; i < 3; ++i) {
    const std::size_t end = i < 2 ? text.find(sep) : text.size();
    if (end == std::string_view::npos || end == 0) return false;
    const std::string_view field = text.substr(0, end);
    if (i == 2 && last_fractional) {
      const auto v = ParseNumber(field);
      if (!v || field.front() == '-' || field.front() == '+') return false;
      last = *v;
      out[i] = static_cast<long long>(*v);
    } else {
      const char* b = field.data();
      const char* e = b + field.size();
      if (i > 0 && (*b == '-' || *b == '+')) return false;
      if (*b == '+') ++b;
      const auto [p, ec] = std::from_chars(b, e, out[i]);
      if (ec != std::errc() || p != e) return false;
    }
    text.remove_prefix(i < 2 ? end + 1 : end);
  }
  return true;
}

}  // namespace

std::optional<Real> ParseNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char* b = text.data();
  const char* e = b + text.size();
  if (*b == '+') ++b;
  Real v = 0;
  const auto [p, ec] = FloatFromChars(b, e, v);
  if (ec != std::errc() || p != e || !std::isfinite(v)) return std::nullopt;
  return v;
}

Real ParseJD(std::string_view text) {
  const auto jd = ParseNumber(text);
  if (!jd) throw UsageError("not a Julian date: " + std::string(text));
  if (*jd < FirstJD() || *jd >= EndJD()) {
    throw UsageError("Julian date outside the years -4000 to 8000: " + std::string(text));
  }
  return *jd;
}

DateTimeRec ParseDateTime(std::string_view date, std::string_view time) {
  long long ymd[3] = {};
  long long hms[3] = {};
  Real seconds = 0;
  Real unused = 0;
  if (!ThreeFields(date, '/', ymd, false, unused)) {
    throw UsageError("not a date in the form YYYY/MM/DD: " + std::string(date));
  }
  if (!time.empty() && !ThreeFields(time, ':', hms, true, seconds)) {
    throw UsageError("not a time in the form hh:mm:ss: " + std::string(time));
  }
  if (hms[0] < 0 || hms[0] > 23 || hms[1] < 0 || hms[1] > 59 || seconds < 0 || seconds >= 60) {
    throw UsageError("not a time of day: " + std::string(time));
  }
  DateTimeRec rec;
  const bool fits = ymd[0] >= -4000 && ymd[0] <= 8000 && ymd[1] >= 1 && ymd[1] <= 12 &&
                    ymd[2] >= 1 && ymd[2] <= 31;
  rec.Year = fits ? static_cast<std::int32_t>(ymd[0]) : 0;
  rec.Month = fits ? static_cast<std::uint8_t>(ymd[1]) : 0;
  rec.Day = fits ? static_cast<std::uint8_t>(ymd[2]) : 0;
  if (!IsValidDate(rec)) throw UsageError("not a valid date: " + std::string(date));
  rec.UTTime.Hour = static_cast<std::uint8_t>(hms[0]);
  rec.UTTime.Minute = static_cast<std::uint8_t>(hms[1]);
  rec.UTTime.Second = static_cast<float>(seconds);
  RecomputeSerial(rec);
  return rec;
}

Real ObservationJD(std::string_view text) {
  // The observation dates the program serves.
  constexpr Real kFirstObservationJD = 1757582.5_r;
  constexpr Real kEndObservationJD = 2743738.495_r;
  const Real jd = ParseJD(text);
  if (jd < kFirstObservationJD || jd >= kEndObservationJD) {
    throw UsageError("Julian date outside the years 100 to 2800: " + std::string(text));
  }
  return jd;
}

void RequireOrder(Real from, Real to) {
  if (to < from) throw UsageError("the end comes before the start");
}

std::string DateTimeText(Real jd) {
  // To the nearest second first, so that 23:59:59.6 reads as the next day's 00:00:00.
  const Real rounded = std::nearbyint((jd + 0.5_r) * 86400.0_r) / 86400.0_r - 0.5_r;
  DateTimeRec rec;
  SetFromJD(rec, rounded);
  const int second = static_cast<int>(std::trunc(rec.UTTime.Second + 0.0005f));
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s%04d/%02d/%02d %02d:%02d:%02d", rec.Year < 0 ? "-" : "",
                std::abs(rec.Year), rec.Month, rec.Day, rec.UTTime.Hour, rec.UTTime.Minute, second);
  return buf;
}

std::string Fixed(Real value, int decimals) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%.*" JOVI_REAL_LEN "f", decimals, value);
  return buf;
}

double LatitudeArg(const std::string& text) {
  std::string why;
  const std::optional<double> v = ParseLatitude(text, &why);
  if (!v) throw UsageError(why + " (" + text + ")");
  return *v;
}

double LongitudeArg(const std::string& text) {
  std::string why;
  const std::optional<double> v = ParseLongitude(text, &why);
  if (!v) throw UsageError(why + " (" + text + ")");
  return *v;
}

void EphemerisUnavailable(std::string messages) {
  while (!messages.empty() && messages.back() == '\n') messages.pop_back();
  if (messages.empty()) messages = "Jupiter's place is not known for this date";
  // A date the ephemeris does not serve is the caller's; a coefficient file that fails is the
  // data's, as for the other commands.
  if (messages.find("Coefficients File Error") != std::string::npos) throw DataError(messages);
  throw UsageError(messages);
}

void ExpectCount(const Args& args, std::size_t min, std::size_t max, std::string_view usage) {
  if (args.size() < min || args.size() > max) throw UsageError("usage: " + std::string(usage));
}

}  // namespace jovi::cli
