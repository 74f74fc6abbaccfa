// Civil dates and times of day, Julian dates, and their text forms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "util/real.h"

namespace jovi {

// The Julian date of serial zero (1899 December 30, 0h).
inline constexpr Real kSerialZeroJD = 2415018.5_r;

struct TimeOfDayRec {
  std::uint8_t Hour = 0;
  std::uint8_t Minute = 0;
  float Second = 0.0f;  // fractional seconds included
  double Serial = 0.0;  // the date-time serial it was taken from
};

// A civil date and time. With ZoneOffset 0 (every use in the ephemerides) the date fields,
// UTTime and Serial all describe UT.
struct DateTimeRec {
  std::int32_t Year = 1899;  // valid -4000..8000, astronomical numbering
  std::uint8_t Month = 12;
  std::uint8_t Day = 30;
  double Serial = 0.0;
  TimeOfDayRec UTTime;
  TimeOfDayRec LocalTime;
  Real ZoneOffset = 0.0_r;  // days to add to local time to obtain UT
};

// Record operations.
void SetZoneAndNow(DateTimeRec& rec, float hours);
void SetNow(DateTimeRec& rec);
void SetFromSerial(DateTimeRec& rec, double serial);
void SetFromJD(DateTimeRec& rec, Real jd);
Real ToJD(const DateTimeRec& rec);  // -1.0 when the date is not valid
void RecomputeSerial(DateTimeRec& rec);
bool IsValidDate(const DateTimeRec& rec);
bool IsLeapYear(const DateTimeRec& rec);
int DayOfYear(const DateTimeRec& rec);  // 0 for an invalid date

// "March 5, 2010"
std::string LongDateText(const DateTimeRec& rec);
// "03-05-2010"
std::string NumericDateText(const DateTimeRec& rec);
// ToJD in fixed notation with the given decimals.
std::string JDText(const DateTimeRec& rec, int decimals);

// Time-of-day operations.
void SetTimeFromSerial(TimeOfDayRec& tod, double serial);
// Splits a count of days into whole days and the time of day (nudged by 0.0001 s).
void SplitDayFraction(TimeOfDayRec& tod, Real& days, Real value);
Real DayFraction(const TimeOfDayRec& tod);
// " 9:05:03" with (":", ":", ""); seconds rounding to 60 carry into the minutes and hours.
std::string TimeText(const TimeOfDayRec& tod, int decimals, std::string_view sep_after_hours,
                     std::string_view sep_after_minutes, std::string_view sep_after_seconds);
// " 9:05.1" with (1, ":", ""): minutes with the seconds as their fraction.
std::string TimeTextHM(const TimeOfDayRec& tod, int decimals, std::string_view separator,
                       std::string_view trailing);

// The calendar year of a Julian date (UT fields of a zone-0 record).
std::int32_t CalendarYear(Real jd);

// The English month name, 1..12 ("January"); empty outside.
std::string_view MonthName(int month);

}  // namespace jovi
