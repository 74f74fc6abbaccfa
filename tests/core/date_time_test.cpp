#include "astro/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/civil_dates.h"
#include "util/date_serial.h"
#include "util/real.h"

namespace jovi {
namespace {

DateTimeRec Date(std::int32_t y, int m, int d, int h = 0, int mi = 0, float s = 0) {
  return test::CivilDate(y, m, d, h, mi, s);
}

TEST(Calendar, JulianDatesOfCivilDates) {
  struct Case {
    const char* name;
    DateTimeRec rec;
    Real jd;
  };
  const Case cases[] = {
      {"first Gregorian day", Date(1582, 10, 15), 2299160.5_r},
      {"last Julian day", Date(1582, 10, 4), 2299159.5_r},
      {"J2000.0, through the serial", Date(2000, 1, 1, 12), 2451545.0_r},
      {"serial zero", Date(1899, 12, 30), 2415018.5_r},
      {"day before serial zero, by formula", Date(1899, 12, 29), 2415017.5_r},
      {"Sputnik, 1957 October 4.81", Date(1957, 10, 4, 19, 26, 24), 2436116.31_r},
      {"333 January 27, 12h", Date(333, 1, 27, 12), 1842713.0_r},
      {"year -4000", Date(-4000, 3, 1), 260117.5_r},
      {"February 29 of a Julian leap year", Date(1500, 2, 29), 2268991.5_r},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(static_cast<double>(ToJD(c.rec)), static_cast<double>(c.jd), 1e-8) << c.name;
  }
}

TEST(Calendar, CivilDatesOfJulianDates) {
  struct Case {
    Real jd;
    std::int32_t year;
    int month, day, hour, minute, second;
  };
  const Case cases[] = {
      {2299160.5_r, 1582, 10, 15, 0, 0, 0},  {2299159.5_r, 1582, 10, 4, 0, 0, 0},
      {2436116.31_r, 1957, 10, 4, 19, 26, 24}, {1842713.0_r, 333, 1, 27, 12, 0, 0},
      {260117.5_r, -4000, 3, 1, 0, 0, 0},    {2451545.0_r, 2000, 1, 1, 12, 0, 0},
      {2415018.5_r, 1899, 12, 30, 0, 0, 0},  {2415018.25_r, 1899, 12, 29, 18, 0, 0},
      {2268991.75_r, 1500, 2, 29, 6, 0, 0},  {2461383.999999_r, 2026, 12, 9, 11, 59, 59},
  };
  for (const Case& c : cases) {
    DateTimeRec rec;
    SetFromJD(rec, c.jd);
    const std::string at = "JD " + std::to_string(static_cast<double>(c.jd));
    EXPECT_EQ(rec.Year, c.year) << at;
    EXPECT_EQ(rec.Month, c.month) << at;
    EXPECT_EQ(rec.Day, c.day) << at;
    EXPECT_EQ(rec.UTTime.Hour, c.hour) << at;
    EXPECT_EQ(rec.UTTime.Minute, c.minute) << at;
    EXPECT_EQ(static_cast<int>(rec.UTTime.Second), c.second) << at;
  }
}

TEST(Calendar, InstantsBeforeJulianDateZeroAreTakenAsIt) {
  // A Delta T from a damaged leap-second file once sent -5e7 here: the day fraction came out
  // negative and did not fit the hour (found by the leap-second file's fuzz target).
  for (Real jd : {-0.25_r, -5.0e7_r, -1.0e30_r}) {
    DateTimeRec rec;
    SetFromJD(rec, jd);
    EXPECT_EQ(rec.Year, -4712) << static_cast<double>(jd);
    EXPECT_EQ(rec.Month, 1);
    EXPECT_EQ(rec.Day, 1);
    EXPECT_EQ(rec.UTTime.Hour, 12);
  }
}

TEST(Calendar, JulianDateRoundTripsOnBothPaths) {
  // From the year 100 to 2800 at an odd step, so that times of day and both calendars and both
  // conversion paths (before and after serial zero) are crossed.
  for (Real jd = 1757582.5_r; jd < 2743738.0_r; jd += 1234.56789_r) {
    DateTimeRec rec;
    SetFromJD(rec, jd);
    ASSERT_TRUE(IsValidDate(rec)) << static_cast<double>(jd);
    EXPECT_NEAR(static_cast<double>(ToJD(rec)), static_cast<double>(jd), 2e-8)
        << "JD " << static_cast<double>(jd);
  }
}

TEST(Calendar, ValidityAndLeapYears) {
  struct Case {
    const char* name;
    std::int32_t year;
    int month, day;
    bool valid;
  };
  const Case cases[] = {
      {"Feb 29, 1500 (Julian rule)", 1500, 2, 29, true},
      {"Feb 29, 1700", 1700, 2, 29, false},
      {"Feb 29, 1900", 1900, 2, 29, false},
      {"Feb 29, 2000", 2000, 2, 29, true},
      {"Feb 29, 1582 is not a leap year", 1582, 2, 29, false},
      {"Feb 29, -4 (negative leap year)", -4, 2, 29, true},
      {"Feb 29, -1", -1, 2, 29, false},
      {"Feb 30", 2000, 2, 30, false},
      {"April 31", 2010, 4, 31, false},
      {"December 31", 2010, 12, 31, true},
      {"month 13", 2010, 13, 1, false},
      {"day 0", 2010, 1, 0, false},
      {"year -4000", -4000, 1, 1, true},
      {"year -4001", -4001, 1, 1, false},
      {"year 8000", 8000, 12, 31, true},
      {"year 8001", 8001, 1, 1, false},
  };
  for (const Case& c : cases) {
    DateTimeRec rec;
    rec.Year = c.year;
    rec.Month = static_cast<std::uint8_t>(c.month);
    rec.Day = static_cast<std::uint8_t>(c.day);
    EXPECT_EQ(IsValidDate(rec), c.valid) << c.name;
    if (!c.valid) {
      EXPECT_EQ(ToJD(rec), -1.0_r) << c.name;
      EXPECT_EQ(DayOfYear(rec), 0) << c.name;
    }
  }
}

TEST(Calendar, DayOfYear) {
  EXPECT_EQ(DayOfYear(Date(1978, 11, 14)), 318);
  EXPECT_EQ(DayOfYear(Date(1988, 4, 22)), 113);
  EXPECT_EQ(DayOfYear(Date(1582, 10, 14)), 287);  // the last day counted as Julian
  EXPECT_EQ(DayOfYear(Date(2000, 12, 31)), 366);
}

TEST(Calendar, LocalTimeAndZoneOffset) {
  // Local 22:30 with the clock five hours behind UT: UT is 03:30 on the next day's clock.
  DateTimeRec rec;
  rec.ZoneOffset = 5.0_r / 24.0_r;
  const double local = SerialFromCivil({2020, 6, 1, 22, 30, 0, 0});
  SetFromSerial(rec, local);
  EXPECT_EQ(rec.Day, 1);
  EXPECT_EQ(rec.LocalTime.Hour, 22);
  EXPECT_EQ(rec.UTTime.Hour, 3);
  EXPECT_EQ(rec.UTTime.Minute, 30);
  EXPECT_NEAR(static_cast<double>(ToJD(rec)), 2459002.5 + 3.5 / 24.0, 1e-8);
}

TEST(Calendar, TextForms) {
  const DateTimeRec rec = Date(2010, 3, 5, 6);
  EXPECT_EQ(LongDateText(rec), "March 5, 2010");
  EXPECT_EQ(NumericDateText(rec), "03-05-2010");
  EXPECT_EQ(JDText(rec, 5), "2455260.75000");
  EXPECT_EQ(JDText(Date(2010, 13, 5), 2), "-1.00");
  EXPECT_EQ(LongDateText(Date(-44, 12, 25)), "December 25, -44");
}

TEST(Calendar, TimeTextRoundsAndCarries) {
  struct Case {
    const char* name;
    int hour, minute;
    float second;
    int decimals;
    const char* hms;  // with ":" ":" ""
    const char* hm;   // TimeTextHM with ":" ""
  };
  const Case cases[] = {
      {"59.6 s carries to 24 h", 23, 59, 59.6f, 0, "24:00:00", "24:00"},
      {"single-digit hour has a leading blank", 9, 5, 3.26f, 1, " 9:05:03.3", " 9:05.1"},
      {"59.96 s carries at one decimal", 10, 14, 59.96f, 1, "10:15:00.0", "10:15.0"},
      {"both round up into the hour", 7, 59, 59.999f, 2, " 8:00:00.00", " 8:00.00"},
      {"midnight", 0, 0, 0.0f, 0, " 0:00:00", " 0:00"},
  };
  for (const Case& c : cases) {
    TimeOfDayRec tod;
    tod.Hour = static_cast<std::uint8_t>(c.hour);
    tod.Minute = static_cast<std::uint8_t>(c.minute);
    tod.Second = c.second;
    EXPECT_EQ(TimeText(tod, c.decimals, ":", ":", ""), c.hms) << c.name;
    EXPECT_EQ(TimeTextHM(tod, c.decimals, ":", ""), c.hm) << c.name;
  }
  TimeOfDayRec tod;
  tod.Hour = 14;
  tod.Minute = 3;
  tod.Second = 7.4f;
  EXPECT_EQ(TimeText(tod, 0, " Hrs, ", " Min, ", " Sec"), "14 Hrs, 03 Min, 07 Sec");
  EXPECT_EQ(TimeText(tod, 0, "Hr ", "Min ", "Sec"), "14Hr 03Min 07Sec");
}

TEST(Calendar, SplitDayFractionNudgesAgainstTruncation) {
  TimeOfDayRec tod;
  Real days = 0;
  // 0.3 day is 07:12:00; in binary it lies a hair below, and the nudge keeps 7:12.
  SplitDayFraction(tod, days, 4.3_r);
  EXPECT_EQ(days, 4);
  EXPECT_EQ(tod.Hour, 7);
  EXPECT_EQ(tod.Minute, 12);
  EXPECT_NEAR(tod.Second, 0.0f, 1e-3f);
  EXPECT_NEAR(static_cast<double>(DayFraction(tod)), 0.3, 1e-8);
}

TEST(DateSerial, NegativeSerialsKeepTheDayInTheIntegerPart) {
  const CivilDateTime t{1899, 12, 29, 6, 0, 0, 0};
  EXPECT_DOUBLE_EQ(SerialFromCivil(t), -1.25);
  const CivilDateTime back = CivilFromSerial(-1.25);
  EXPECT_EQ(back.day, 29);
  EXPECT_EQ(back.hour, 6);
  EXPECT_DOUBLE_EQ(SerialFromCivil({2000, 1, 1, 12, 0, 0, 0}), 36526.5);
  // Garbage from a file becomes the origin rather than undefined arithmetic.
  EXPECT_EQ(CivilFromSerial(std::nan("")).year, 1899);
  EXPECT_EQ(CivilFromSerial(1e300).year, 1899);
}

}  // namespace
}  // namespace jovi
