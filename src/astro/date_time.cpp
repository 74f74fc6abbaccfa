#include "astro/date_time.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "platform/clock.h"
#include "util/date_serial.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// More decimals than a time of day in a float can carry would only print noise.
constexpr int kMaxDecimals = 9;

// Integer part towards zero, as the calendar formulas use it.
Real Int(Real x) { return std::trunc(x); }
Real Frac(Real x) { return x - std::trunc(x); }

std::string TwoDigits(long long v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%02lld", v);
  return buf;
}

std::string HoursText(long long h) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%2lld", h);
  return buf;
}

// A non-negative value scaled by 10^decimals and rounded, as whole units of the last decimal.
long long Scaled(Real value, long long scale) {
  if (!std::isfinite(value) || value < 0) return 0;
  return static_cast<long long>(std::nearbyint(value * scale));
}

// "05" or "05.25": an integer count of 10^-decimals units with two integer digits.
std::string FixedTwoDigits(long long units, int decimals, long long scale) {
  std::string text = TwoDigits(units / scale);
  if (decimals > 0) {
    const std::string digits = std::to_string(units % scale);
    text += '.';
    text.append(static_cast<std::size_t>(decimals) - digits.size(), '0');
    text += digits;
  }
  return text;
}

long long PowerOfTen(int decimals) {
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  return scale;
}

}  // namespace

std::string_view MonthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

void SetTimeFromSerial(TimeOfDayRec& tod, double serial) {
  const CivilDateTime t = CivilFromSerial(serial);
  tod.Serial = serial;
  tod.Hour = static_cast<std::uint8_t>(t.hour);
  tod.Minute = static_cast<std::uint8_t>(t.minute);
  tod.Second = static_cast<float>(t.second + t.millisecond / 1000.0);
}

void SplitDayFraction(TimeOfDayRec& tod, Real& days, Real value) {
  Real x = value + 1.1574074074074074e-9_r;
  days = Int(x);
  x = Frac(x) * 24;
  tod.Hour = static_cast<std::uint8_t>(Int(x));
  x = Frac(x) * 60;
  tod.Minute = static_cast<std::uint8_t>(Int(x));
  tod.Second = static_cast<float>(Frac(x) * 60);
}

Real DayFraction(const TimeOfDayRec& tod) {
  return tod.Hour / 24.0_r + tod.Minute / 1440.0_r + tod.Second / 86400.0_r;
}

void SetZoneAndNow(DateTimeRec& rec, float hours) {
  rec.ZoneOffset = hours / 24.0_r;
  SetNow(rec);
}

void SetNow(DateTimeRec& rec) { SetFromSerial(rec, CurrentLocalSerial()); }

void SetFromSerial(DateTimeRec& rec, double serial) {
  const CivilDateTime t = CivilFromSerial(serial);
  rec.Serial = serial;
  rec.Year = t.year;
  rec.Month = static_cast<std::uint8_t>(t.month);
  rec.Day = static_cast<std::uint8_t>(t.day);
  SetTimeFromSerial(rec.LocalTime, serial);
  SetTimeFromSerial(rec.UTTime, static_cast<double>(serial + rec.ZoneOffset));
}

void SetFromJD(DateTimeRec& rec, Real jd) {
  // Far outside the calendar's years the fields could not hold the result, and before JD 0
  // (4713 BC January 1, 12h) the method gives negative days and hours: such instants are
  // taken as the nearest one it serves.
  if (!std::isfinite(jd)) return;
  jd = std::clamp(jd, 0.0_r, 1.0e8_r);
  if (jd >= kSerialZeroJD) {
    SetFromSerial(rec, static_cast<double>(jd - kSerialZeroJD - rec.ZoneOffset));
    return;
  }
  const Real z = Int(jd + 0.5_r);
  const Real f = Frac(jd + 0.5_r);
  Real a = z;
  if (z >= 2299161) {
    const Real alpha = Int((z - 1867216.25_r) / 36524.25_r);
    a = z + 1 + alpha - Int(alpha / 4);
  }
  const Real b = a + 1524;
  const Real c = Int((b - 122.1_r) / 365.25_r);
  const Real d = Int(365.25_r * c);
  const Real e = Int((b - d) / 30.6001_r);
  Real day = 0;
  SplitDayFraction(rec.UTTime, day, b - d - Int(30.6001_r * e) + f);
  rec.Day = static_cast<std::uint8_t>(day);
  rec.Month = static_cast<std::uint8_t>(e < 14 ? e - 1 : e - 13);
  rec.Year = static_cast<std::int32_t>(rec.Month > 2 ? c - 4716 : c - 4715);
  RecomputeSerial(rec);
}

Real ToJD(const DateTimeRec& rec) {
  if (!IsValidDate(rec)) return -1.0_r;
  if (rec.Serial >= 0) return rec.Serial + rec.ZoneOffset + kSerialZeroJD;
  const Real D = rec.Day + DayFraction(rec.UTTime);
  Real Y = rec.Year;
  Real M = rec.Month;
  if (M < 3) {
    Y -= 1;
    M += 12;
  }
  Real B = 0;
  const bool julian = rec.Year < 1582 || (rec.Year == 1582 && DayOfYear(rec) <= 287);
  if (!julian) {
    const Real A = Int(Y / 100);
    B = 2 - A + Int(A / 4);
  }
  return Int(365.25_r * (Y + 4716)) + Int(30.6001_r * (M + 1)) + D + B - 1524.5_r;
}

void RecomputeSerial(DateTimeRec& rec) {
  CivilDateTime t;
  t.year = rec.Year;
  t.month = rec.Month;
  t.day = rec.Day;
  t.hour = rec.UTTime.Hour;
  t.minute = rec.UTTime.Minute;
  const float whole = std::trunc(rec.UTTime.Second);
  t.second = static_cast<int>(whole);
  rec.Serial = SerialFromCivil(t) + (rec.UTTime.Second - whole) / 86400.0;
  rec.UTTime.Serial = rec.Serial;
}

bool IsLeapYear(const DateTimeRec& rec) {
  const std::int32_t y = rec.Year;
  if (y > 1582) return y % 400 == 0 || (y % 4 == 0 && y % 100 != 0);
  return y % 4 == 0;
}

bool IsValidDate(const DateTimeRec& rec) {
  if (rec.Year < -4000 || rec.Year > 8000) return false;
  if (rec.Month < 1 || rec.Month > 12 || rec.Day < 1 || rec.Day > 31) return false;
  switch (rec.Month) {
    case 4: case 6: case 9: case 11: return rec.Day <= 30;
    case 2: return rec.Day <= (IsLeapYear(rec) ? 29 : 28);
    default: return true;
  }
}

int DayOfYear(const DateTimeRec& rec) {
  if (!IsValidDate(rec)) return 0;
  const int K = IsLeapYear(rec) ? 1 : 2;
  const int M = rec.Month;
  return 275 * M / 9 - K * ((M + 9) / 12) + rec.Day - 30;
}

std::string LongDateText(const DateTimeRec& rec) {
  return std::string(MonthName(rec.Month)) + " " + std::to_string(rec.Day) + ", " +
         std::to_string(rec.Year);
}

std::string NumericDateText(const DateTimeRec& rec) {
  return TwoDigits(rec.Month) + "-" + TwoDigits(rec.Day) + "-" + std::to_string(rec.Year);
}

std::string JDText(const DateTimeRec& rec, int decimals) {
  char buf[80];
  std::snprintf(buf, sizeof buf, "%.*" JOVI_REAL_LEN "f", std::clamp(decimals, 0, 18), ToJD(rec));
  return buf;
}

std::string TimeText(const TimeOfDayRec& tod, int decimals, std::string_view sep_after_hours,
                     std::string_view sep_after_minutes, std::string_view sep_after_seconds) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  const long long scale = PowerOfTen(decimals);
  long long hours = tod.Hour;
  long long minutes = tod.Minute;
  long long units = Scaled(tod.Second, scale);
  if (units >= 60 * scale) {
    units -= 60 * scale;
    ++minutes;
  }
  if (minutes >= 60) {
    minutes -= 60;
    ++hours;
  }
  std::string text = HoursText(hours);
  text += sep_after_hours;
  text += TwoDigits(minutes);
  text += sep_after_minutes;
  text += FixedTwoDigits(units, decimals, scale);
  text += sep_after_seconds;
  return text;
}

std::string TimeTextHM(const TimeOfDayRec& tod, int decimals, std::string_view separator,
                       std::string_view trailing) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  const long long scale = PowerOfTen(decimals);
  long long hours = tod.Hour;
  long long units = Scaled(tod.Minute + tod.Second / 60.0_r, scale);
  if (units >= 60 * scale) {
    units -= 60 * scale;
    ++hours;
  }
  std::string text = HoursText(hours);
  text += separator;
  text += FixedTwoDigits(units, decimals, scale);
  text += trailing;
  return text;
}

std::int32_t CalendarYear(Real jd) {
  DateTimeRec rec;
  SetFromJD(rec, jd);
  return rec.Year;
}

}  // namespace jovi
