// Date-time serials: days counted from 1899 December 30, 0h, on the proleptic Gregorian
// calendar, the fraction being the time of day.
//
// Serials before the origin keep the day in the integer part and the time of day in the
// magnitude of the fraction (-1.25 is 1899 December 29, 6h), the convention of the files the
// program shares with its peers; the serials -1 < s < 0 therefore name the origin day too.
#pragma once

#include <cstdint>

namespace jovi {

struct CivilDateTime {
  std::int32_t year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Days from 1899 December 30 to the given proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int32_t year, int month, int day);

// The serial of a date and time of day (time fields within their ranges).
double SerialFromCivil(const CivilDateTime& t);

// The date and time of day of a serial, rounded to the millisecond.
CivilDateTime CivilFromSerial(double serial);

}  // namespace jovi
