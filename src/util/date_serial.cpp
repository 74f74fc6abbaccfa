#include "util/date_serial.h"

#include <cmath>
#include <cstdlib>

namespace jovi {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;
// Days from 1970 January 1 (the civil-days algorithm's origin) to 1899 December 30.
constexpr std::int64_t kOriginFromEpoch = -25'569;

// Howard Hinnant's days_from_civil: days since 1970-01-01, proleptic Gregorian.
std::int64_t DaysSinceEpoch(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (m + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilSinceEpoch(std::int64_t z, CivilDateTime& t) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<std::int32_t>(yoe + era * 400 + (t.month <= 2));
}
}  // namespace

std::int64_t DaysFromCivil(std::int32_t year, int month, int day) {
  return DaysSinceEpoch(year, month, day) - kOriginFromEpoch;
}

double SerialFromCivil(const CivilDateTime& t) {
  const double days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day));
  const double time =
      (((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond) / kMsPerDay;
  return days < 0 ? days - time : days + time;
}

CivilDateTime CivilFromSerial(double serial) {
  CivilDateTime t;
  // Beyond about +-13000 years a serial is not a date the program can hold.
  if (!std::isfinite(serial) || std::fabs(serial) > 4.0e6) return t;
  const auto ms = static_cast<std::int64_t>(std::nearbyint(serial * kMsPerDay));
  const std::int64_t days = ms / kMsPerDay;  // towards zero: the day of a negative serial
  std::int64_t of_day = std::llabs(ms) % kMsPerDay;
  CivilSinceEpoch(days + kOriginFromEpoch, t);
  t.hour = static_cast<int>(of_day / 3'600'000);
  of_day %= 3'600'000;
  t.minute = static_cast<int>(of_day / 60'000);
  of_day %= 60'000;
  t.second = static_cast<int>(of_day / 1000);
  t.millisecond = static_cast<int>(of_day % 1000);
  return t;
}

}  // namespace jovi
