// The date, timing and features dialogs' reading and writing of their fields.
#include <gtest/gtest.h>

#include <clocale>

#include "session/date_entry.h"
#include "session/feature_choice.h"
#include "session/timing_entry.h"
#include "util/real.h"

namespace jovi {
namespace {

TEST(DateEntryTest, CalendarTextIsReadOrRejected) {
  struct Case {
    const char* name;
    const char* date;
    const char* time;
    Real jd;  // 0: rejected
  };
  const Case cases[] = {
      {"J2000 noon", "2000/01/01", "12:00:00", 2451545.0_r},
      {"no time is midnight", "2000/01/01", "", 2451544.5_r},
      {"hours and minutes", "2000/1/1", "18:00", 2451545.25_r},
      {"surrounding spaces", " 2000/01/01 ", " 06:00:00 ", 2451544.75_r},
      {"fractional seconds", "2000/01/01", "00:00:43.2", 2451544.5005_r},
      {"before the Gregorian reform", "1000/01/01", "", 2086307.5_r},
      {"day 31 of a 30-day month", "2000/04/31", "", 0},
      {"29 February of a common year", "2001/02/29", "", 0},
      {"hour 24", "2000/01/01", "24:00:00", 0},
      {"minute 60", "2000/01/01", "10:60", 0},
      {"words", "yesterday", "", 0},
      {"another separator", "2000-01-01", "", 0},
      {"trailing text", "2000/01/01x", "", 0},
      {"a lone hour", "2000/01/01", "12", 0},
      {"an empty date", "", "12:00:00", 0},
      {"five-digit year", "20000/01/01", "", 0},
  };
  for (const Case& c : cases) {
    const auto jd = ParseCalendarUT(c.date, c.time);
    if (c.jd == 0) {
      EXPECT_FALSE(jd) << c.name;
    } else {
      ASSERT_TRUE(jd) << c.name;
      EXPECT_NEAR(static_cast<double>(*jd), static_cast<double>(c.jd), 1e-7) << c.name;
    }
  }
}

TEST(DateEntryTest, JulianDatesAndTheCalendarTextAgree) {
  EXPECT_EQ(*ParseJulianDate(" 2451545.25 "), 2451545.25_r);
  for (const char* bad : {"", "2451545,25", "24515x", "1e5", "--1", "2451545.25.1", "nan"}) {
    EXPECT_FALSE(ParseJulianDate(bad)) << bad;
  }
  const CalendarText t = CalendarTextOf(2451545.25_r);
  EXPECT_EQ(t.Date, "2000/01/01");
  EXPECT_EQ(t.Time, "18:00:00");
  EXPECT_EQ(JulianDateText(2451545.25_r), "2451545.250000");
  // Half a second before midnight shows the next day.
  EXPECT_EQ(CalendarTextOf(2451545.5_r - 0.4_r / 86400).Date, "2000/01/02");
  // What the dialog shows reads back to the instant, to the second.
  for (Real jd : {2455197.73_r, 1757583.123456_r, 2743738.1_r, 2086307.9_r}) {
    const CalendarText shown = CalendarTextOf(jd);
    const auto back = ParseCalendarUT(shown.Date, shown.Time);
    ASSERT_TRUE(back) << shown.Date << " " << shown.Time;
    EXPECT_NEAR(static_cast<double>(*back), static_cast<double>(jd), 0.6 / 86400);
  }
  EXPECT_EQ(CalendarErrorText("2000/13/01", "10:00"),
            "\"2000/13/01 10:00\" is not a valid Calendar Date and/or Time!");
  EXPECT_EQ(JulianDateErrorText("abc"), "\"abc\" is not a valid Julian Date!");
}

TEST(DateEntryTest, NoLocaleDependence) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(JulianDateText(2451545.25_r).find(','), std::string::npos);
  EXPECT_TRUE(ParseJulianDate("2451545.25"));
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TimingEntryTest, ABadFieldKeepsTheEarlierOnes) {
  const TimingSettings old{24, 0.1_r, 10};
  EXPECT_EQ(TimingTextsOf(old).Interval, "24.00000");
  EXPECT_EQ(TimingTextsOf(old).Step, "0.10000");
  EXPECT_EQ(TimingTextsOf(old).Timer, "10");
  struct Case {
    const char* name;
    TimingTexts texts;
    bool ok;
    TimingSettings after;
  };
  const Case cases[] = {
      {"all good, steps backwards too", {"-12", "-0.5", "50"}, true, {-12, -0.5_r, 50}},
      {"bad interval", {"x", "1", "50"}, false, old},
      {"bad step", {"6", "1,5", "50"}, false, {6, 0.1_r, 10}},
      {"bad timer", {"6", "1.5", "-5"}, false, {6, 1.5_r, 10}},
      {"timer too large", {"6", "1.5", "70000"}, false, {6, 1.5_r, 10}},
  };
  for (const Case& c : cases) {
    TimingSettings t = old;
    EXPECT_EQ(ReadTimingTexts(c.texts, t), c.ok) << c.name;
    EXPECT_EQ(t.ObservationStep, c.after.ObservationStep) << c.name;
    EXPECT_EQ(t.AnimationStep, c.after.AnimationStep) << c.name;
    EXPECT_EQ(t.TimerInterval, c.after.TimerInterval) << c.name;
  }
  OptsRec options;
  options.ObsStepHrs = 12;
  options.AnimStepHrs = 0.25_r;
  options.AnimTimerMs = 40;
  const TimingTexts d = DefaultTimingTexts(options);
  EXPECT_EQ(d.Interval + "|" + d.Step + "|" + d.Timer, "12.00000|0.25000|40");
}

TEST(FeatureChoiceTest, OptionsEnableTheBoxesAndOkStoresAll) {
  OptsRec options;
  options.AllowAnimation = false;
  options.EclipseVisibility = false;
  const FeatureSettings stored{true, true, true, true, true};
  const FeatureBoxes boxes = FeatureBoxesFor(stored, options);
  EXPECT_FALSE(boxes[0].enabled);
  EXPECT_TRUE(boxes[0].checked);  // a disabled Animation box keeps showing its value
  EXPECT_TRUE(boxes[1].enabled && boxes[2].enabled);
  EXPECT_FALSE(boxes[3].enabled || boxes[3].checked);
  EXPECT_FALSE(boxes[4].enabled || boxes[4].checked);
  const FeatureSettings after = FeaturesFromBoxes(boxes);
  EXPECT_TRUE(after.Animation && after.UseIDColors && after.ShowTopView);
  EXPECT_FALSE(after.StopOnEclipse || after.ShowEclipsedMoon);
}

}  // namespace
}  // namespace jovi
