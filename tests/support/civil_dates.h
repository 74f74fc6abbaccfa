// Dates for tests: a UT calendar date and time as a record or as a Julian date.
#pragma once

#include <cstdint>

#include "astro/date_time.h"
#include "util/real.h"

namespace jovi::test {

inline DateTimeRec CivilDate(std::int32_t y, int m, int d, int h = 0, int mi = 0, float s = 0) {
  DateTimeRec rec;
  rec.Year = y;
  rec.Month = static_cast<std::uint8_t>(m);
  rec.Day = static_cast<std::uint8_t>(d);
  rec.UTTime.Hour = static_cast<std::uint8_t>(h);
  rec.UTTime.Minute = static_cast<std::uint8_t>(mi);
  rec.UTTime.Second = s;
  RecomputeSerial(rec);
  return rec;
}

inline Real CivilJD(std::int32_t y, int m, int d, int h = 0, int mi = 0, float s = 0) {
  return ToJD(CivilDate(y, m, d, h, mi, s));
}

}  // namespace jovi::test
