// The phenomena list's lines for the observer's place.
#include "phenomena/observing_day_lines.h"

#include <gtest/gtest.h>

#include "phenomena/jupiter_phenomena.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"

namespace jovi {
namespace {

using test::CivilDate;

TEST(ObservingDayLines, AmsterdamOnAWinterDay) {
  test::RecordingPrompter messages;
  const ObserverPlace amsterdam{52.37, 4.89, 0, "Amsterdam"};
  // 2024 January 21, 23:30 UT: already the 22nd in Amsterdam (UT + 1 h).
  const std::vector<std::string> lines =
      ObservingDayLines(amsterdam, CivilDate(2024, 1, 21, 23, 30), -1, &messages);
  const std::vector<std::string> expected_start = {
      "",
      "Rise, transit and set at Amsterdam (52.37\u00b0 N, 4.89\u00b0 E), January 22, 2024,",
      "local time = UT + 1 h (by the options' time-zone difference):",
  };
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3), expected_start);
  const char* labels[] = {
      "     Jupiter rises:    ", "     Jupiter transits: ", "     Jupiter sets:     ",
      "     Sunset:           ", "     Sunrise:          "};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(lines[3 + i].rfind(labels[i], 0), 0u) << lines[3 + i];
  // Jupiter four minutes earlier than on the 21st; the same as Astronomy Engine finds (Jupiter
  // 10:41:30, 17:52:04, 01:06:12 UT; the Sun sets 16:07:49 and rises 07:36:26 UT).
  EXPECT_NE(lines[3].find("11:41 local = 10:41 UT (JD 2460331.9"), std::string::npos) << lines[3];
  EXPECT_NE(lines[4].find("18:52 local = 17:52 UT"), std::string::npos) << lines[4];
  EXPECT_NE(lines[4].find("\u00b0 high"), std::string::npos) << lines[4];
  EXPECT_NE(lines[5].find("02:06 local = 01:06 UT"), std::string::npos) << lines[5];
  EXPECT_NE(lines[6].find("17:08 local = 16:08 UT"), std::string::npos) << lines[6];
  EXPECT_NE(lines[7].find("08:36 local = 07:36 UT"), std::string::npos) << lines[7];
  EXPECT_TRUE(messages.messages.empty());
}

TEST(ObservingDayLines, TheArcticSaysWhyThereIsNoEvent) {
  const ObserverPlace tromso{69.65, 18.96, 0, ""};
  const std::vector<std::string> lines = ObservingDayLines(tromso, CivilDate(2019, 6, 10, 12), -1);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[3], "     Jupiter rises:    none: Jupiter stays below the horizon all day");
  EXPECT_EQ(lines[5], "     Jupiter sets:     none: Jupiter stays below the horizon all day");
  EXPECT_NE(lines[4].find("\u00b0 high"), std::string::npos);  // a transit below the horizon
  EXPECT_NE(lines[4].find(", -"), std::string::npos) << lines[4];
  EXPECT_EQ(lines[6], "     Sunset:           none: the Sun stays above the horizon all day");
  EXPECT_EQ(lines[7], "     Sunrise:          none: the Sun stays above the horizon all day");
}

TEST(ObservingDayLines, WithoutAPlaceTheyOfferTheDialog) {
  const std::vector<std::string> lines = ObservingDayLines(std::nullopt, CivilDate(2024, 1, 21), 5);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], kNoSiteLine);
  EXPECT_NE(lines[2].find("Observing Site..."), std::string::npos);
}

TEST(ObservingDayLines, JupiterUnknownForTheDate) {
  test::RecordingPrompter messages;
  const std::vector<std::string> lines =
      ObservingDayLines(ObserverPlace{52, 5, 0, ""}, CivilDate(2900, 1, 1), 0, &messages);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3],
            "     Jupiter:          not available: Jupiter's place is not known for this date.");
  EXPECT_EQ(lines[4].rfind("     Sunset:           ", 0), 0u);
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST(ObservingDayLines, ThePhenomenaLinesStayAsTheyAre) {
  // The list's own sixteen lines come from the phenomena alone, whatever follows them.
  TJupPhenomObj phenomena;
  phenomena.ComputePhenomena(CivilDate(1992, 12, 16));
  EXPECT_EQ(phenomena.Lines().size(), 16u);
}

// The site's own zone with daylight saving: New York is UT - 5 h in January and UT - 4 h in
// July, and 02:00 UT on July 16 is still the evening of the 15th there. (Sunset in New York on
// 2024 January 21 at 21:59.6 UT and on July 15 at 00:26 UT the next day, by NOAA's published
// solar calculation worked separately.)
TEST(ObservingDayLines, NewYorkInItsOwnZoneInJanuaryAndJuly) {
  const ObserverPlace new_york{40.71, -74.01, 10, "New York"};
  // The 2024 change to daylight saving: March 10, 2:00 EST = 07:00 UT.
  const SiteZone zone =
      ZoneChangingAt("America/New_York", test::CivilJD(2024, 3, 10, 7), 5, 4);
  const struct {
    DateTimeRec when;
    const char* date;
    const char* zone_line;
    const char* sunset;
  } cases[] = {
      {CivilDate(2024, 1, 22, 3), "January 21, 2024,",
       "local time = UT - 5 h (time zone America/New_York):", "17:00 local = 22:00 UT"},
      {CivilDate(2024, 7, 16, 2), "July 15, 2024,",
       "local time = UT - 4 h (time zone America/New_York):", "20:26 local = 00:26 UT"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> lines = ObservingDayLines(new_york, c.when, zone);
    ASSERT_EQ(lines.size(), 8u) << c.date;
    EXPECT_NE(lines[1].find(c.date), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2], c.zone_line);
    EXPECT_NE(lines[6].find(c.sunset), std::string::npos) << lines[6];
  }
  // A rule that gives nothing usable is taken as UT rather than trusted.
  const SiteZone broken{"Broken/Zone", [](Real) { return 1e9; }};
  EXPECT_EQ(ZoneHoursAt(broken, 2460000.5_r), 0);
  EXPECT_EQ(ZoneHoursAt(SiteZone{}, 2460000.5_r), 0);
}

}  // namespace
}  // namespace jovi
