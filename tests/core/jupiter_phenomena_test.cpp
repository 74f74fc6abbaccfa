#include "phenomena/jupiter_phenomena.h"

#include <gtest/gtest.h>

#include <regex>

#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"

namespace jovi {
namespace {

DateTimeRec UT(std::int32_t y, int m, int d, int h = 0) { return test::CivilDate(y, m, d, h); }

double Days(const DateTimeRec& a, const DateTimeRec& b) {
  return static_cast<double>(ToJD(a) - ToJD(b));
}

class JupiterPhenomena : public ::testing::Test {
 protected:
  void SetUp() override { SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt"); }
  test::RecordingPrompter messages;
};

TEST_F(JupiterPhenomena, EventsNearADateInThe1990s) {
  // Published dates: conjunction 1992 September 17, opposition 1993 March 30 (the opposition
  // after the nearest conjunction); the quadratures fall about three months either side of it.
  TJupPhenomObj phenomena(&messages);
  phenomena.ComputePhenomena(UT(1992, 4, 1));
  ASSERT_TRUE(messages.messages.empty()) << messages.messages[0].text;
  EXPECT_TRUE(phenomena.Found[0] && phenomena.Found[1] && phenomena.Found[2] && phenomena.Found[3]);
  EXPECT_NEAR(Days(phenomena.OppositionTime, UT(1993, 3, 30, 12)), 0, 1.0);
  EXPECT_NEAR(Days(phenomena.ConjunctionTime, UT(1992, 9, 17, 12)), 0, 1.0);
  EXPECT_NEAR(Days(phenomena.WestQuadratureTime, phenomena.OppositionTime), -87, 6);
  EXPECT_NEAR(Days(phenomena.EastQuadratureTime, phenomena.OppositionTime), 87, 6);
  EXPECT_NEAR(static_cast<double>(phenomena.EarthJupiterDistance), 4.5, 0.2);

  // At the opposition itself, the opposition found is that instant.
  const DateTimeRec at = phenomena.OppositionTime;
  phenomena.ComputePhenomena(at);
  EXPECT_NEAR(Days(phenomena.OppositionTime, at), 0, 1e-5);
}

// The oppositions of recent years, each searched from a date a month before it: the instant
// found lies on the published day, give or take six hours.
TEST_F(JupiterPhenomena, RecentOppositionsFallOnTheirPublishedDays) {
  const struct {
    std::int32_t year;
    int month, day;
  } published[] = {{2019, 6, 10}, {2020, 7, 14}, {2021, 8, 20}, {2022, 9, 26},
                   {2023, 11, 3}, {2024, 12, 7}, {2026, 1, 10}};
  for (const auto& p : published) {
    const DateTimeRec day = UT(p.year, p.month, p.day);
    TJupPhenomObj phenomena(&messages);
    DateTimeRec month_before = day;
    SetFromJD(month_before, ToJD(day) - 30);
    phenomena.ComputePhenomena(month_before);
    ASSERT_TRUE(phenomena.Found[0]) << p.year;
    const double from_midnight = Days(phenomena.OppositionTime, day) * 24;
    RecordProperty("opposition_" + std::to_string(p.year),
                   std::to_string(from_midnight) + " h after 0h UT of the published day");
    EXPECT_GE(from_midnight, -6) << p.year;
    EXPECT_LE(from_midnight, 24 + 6) << p.year;
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(JupiterPhenomena, ListLines) {
  TJupPhenomObj phenomena(&messages);
  phenomena.ComputePhenomena(UT(1992, 4, 1, 6));
  const std::vector<std::string> lines = phenomena.Lines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], "Jupiter phenomena occurring near April 1, 1992");
  EXPECT_EQ(lines[2], "Opposition:");
  EXPECT_EQ(lines[5], "Conjunction:");
  EXPECT_EQ(lines[8], "Quadrature (Sun Elongation 90\u00b0 West):");
  EXPECT_EQ(lines[11], "Quadrature (Sun Elongation 90\u00b0 East):");
  for (std::size_t i : {1u, 4u, 7u, 10u, 13u}) EXPECT_EQ(lines[i], "") << i;
  const std::regex event(R"(     [A-Z][a-z]+ [0-9]{1,2}, [0-9]{4} [ 0-9][0-9]:[0-9]{2}:[0-9]{2} UT \(JD: [0-9]+\.[0-9]{6}\))");
  for (std::size_t i : {3u, 6u, 9u, 12u}) EXPECT_TRUE(std::regex_match(lines[i], event)) << lines[i];
  EXPECT_EQ(lines[14], "Earth-Jupiter Distance April 1, 1992  6:00:00 UT (JD: 2448713.750000):");
  EXPECT_TRUE(std::regex_match(lines[15], std::regex(R"(     4\.[0-9]{5} AU \(6\.[0-9]{5}E\+08 Km\))")))
      << lines[15];
}

// A record kept in local time 10 h ahead of UT (zone difference -10 h): the distance line names the
// UT date beside the UT time, not the local date.
TEST_F(JupiterPhenomena, TheDistanceLineNamesTheUTDate) {
  TJupPhenomObj phenomena(&messages);
  DateTimeRec local;
  local.ZoneOffset = -10 / 24.0L;
  SetFromJD(local, test::CivilJD(1992, 4, 1, 20));
  ASSERT_EQ(local.Day, 2);
  phenomena.ComputePhenomena(local);
  EXPECT_EQ(phenomena.Lines()[14],
            "Earth-Jupiter Distance April 1, 1992 20:00:00 UT (JD: 2448714.333333):");
}

}  // namespace
}  // namespace jovi
