// jovitrack-cli sky and riseset.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "sky/observing_day.h"
#include "sky/sky_ephemeris.h"
#include "support/cli_run.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::CliResult;
constexpr auto RunCli = test::RunCliCommand;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliSky, JupiterAndTheSunAtAnInstant) {
  // 2024 January 21, 0h UT, from 29 N, 81 W: JPL Horizons has Jupiter at RA 34.37038deg
  // (2.291359 h), Dec 12.60419deg, azimuth 195.2298deg, airless elevation 73.0799deg.
  const CliResult r = RunCli({"sky", "2460330.5", "--lat", "29", "--lon", "-81"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_NEAR(std::stod(lines[0]), 2.291359, 0.0001);  // hours: 5.4" of arc
  EXPECT_NEAR(std::stod(lines[1]), 12.60419, 0.001);
  EXPECT_NEAR(std::stod(lines[3]), 195.2298, 0.002);
  // Apparent altitude: 0.3' of refraction at 73 degrees above the airless one.
  EXPECT_NEAR(std::stod(lines[2]), 73.0799 + 0.005, 0.002);
  EXPECT_LT(std::stod(lines[4]), -10);  // 19h local: the Sun down

  // Exactly the core's numbers, hemisphere letters accepted, the options in either order.
  SkyEphemeris sky;
  const ObserverPlace place{29, -81, 0, ""};
  const auto j = sky.Where(SkyBody::Jupiter, place, 2460330.5_r);
  const auto s = sky.Where(SkyBody::Sun, place, 2460330.5_r);
  EXPECT_EQ(r.out, cli::Fixed(j->ra_hours, 6) + "\n" + cli::Fixed(j->dec_deg, 5) + "\n" +
                       cli::Fixed(j->altitude_deg, 4) + "\n" + cli::Fixed(j->azimuth_deg, 4) +
                       "\n" + cli::Fixed(s->true_altitude_deg, 4) + "\n");
  EXPECT_EQ(RunCli({"sky", "2460330.5", "--lon", "81W", "--lat", "29N"}).out, r.out);
}

TEST(CliSky, RiseSetLinesOfALocalDay) {
  const CliResult r =
      RunCli({"riseset", "2024/01/21", "--lat", "52.37", "--lon", "4.89", "--zone", "-1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  const char* names[] = {"jupiter-rise ", "jupiter-transit ", "jupiter-set ", "sun-rise ",
                         "sun-set "};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(lines[i].rfind(names[i], 0), 0u) << lines[i];
  }
  // Independent figures (Astronomy Engine): Jupiter rises 11:45, transits 18:56, sets 02:10;
  // the Sun rises 08:38 and sets 17:06, local time UT + 1 h.
  EXPECT_EQ(lines[0].substr(0, 35), "jupiter-rise 2024/01/21 11:45 24603");
  EXPECT_EQ(lines[1].substr(0, 38), "jupiter-transit 2024/01/21 18:56 24603");
  EXPECT_EQ(lines[2].substr(0, 34), "jupiter-set 2024/01/21 02:10 24603");
  EXPECT_EQ(lines[3].substr(0, 31), "sun-rise 2024/01/21 08:38 24603");
  EXPECT_EQ(lines[4].substr(0, 30), "sun-set 2024/01/21 17:06 24603");

  // The JD column is the core's UT instant with six decimals.
  SkyEphemeris sky;
  const ObservingDay day =
      ComputeObservingDay(sky, ObserverPlace{52.37, 4.89, 0, ""}, {2024, 1, 21}, -1);
  EXPECT_EQ(lines[0], "jupiter-rise 2024/01/21 11:45 " + cli::Fixed(day.jupiter.rises[0], 6));
  // Without --zone the day and the times are UT's.
  const std::vector<std::string> ut =
      SplitLines(RunCli({"riseset", "2024/01/21", "--lat", "52.37", "--lon", "4.89"}).out);
  ASSERT_EQ(ut.size(), 5u);
  EXPECT_EQ(ut[3].substr(0, 25), "sun-rise 2024/01/21 07:38");
}

TEST(CliSky, NoneWhenItDoesNotHappenThatDay) {
  // Tromso, 2019 June 10: Jupiter (declination -22 degrees) never rises, the Sun never sets.
  const CliResult r =
      RunCli({"riseset", "2019/06/10", "--lat", "69.65N", "--lon", "18.96E", "--zone", "-1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "jupiter-rise none");
  EXPECT_EQ(lines[1].rfind("jupiter-transit 2019/06/10 23:42 ", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2], "jupiter-set none");
  EXPECT_EQ(lines[3], "sun-rise none");
  EXPECT_EQ(lines[4], "sun-set none");
}

TEST(CliSky, TwoEventsOfAKindOnOneDayAreBothListed) {
  // Jupiter's transit comes about four minutes earlier each day: on 2019 June 19 it comes
  // just after midnight and again just before the next.
  const std::vector<std::string> lines = SplitLines(
      RunCli({"riseset", "2019/06/19", "--lat", "52.37", "--lon", "4.89", "--zone", "-1"}).out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].substr(0, 33), "jupiter-transit 2019/06/19 00:03 ");
  EXPECT_EQ(lines[2].substr(0, 33), "jupiter-transit 2019/06/19 23:58 ");
}

TEST(CliSky, RefusesWithOneLine) {
  struct Case {
    std::vector<std::string> args;
    const char* err_contains;
  };
  const Case cases[] = {
      {{"sky"}, "usage"},
      {{"sky", "2460330.5"}, "usage"},
      {{"sky", "2460330.5", "--lat", "29"}, "usage"},
      {{"sky", "2460330.5", "--lat", "29", "--lon"}, "usage"},
      {{"sky", "2460330.5", "--lat", "29", "--lon", "-81", "--zone", "5"}, "usage"},
      {{"sky", "2460330.5", "--lat", "29", "--lat", "30", "--lon", "-81"}, "usage"},
      {{"sky", "x", "--lat", "29", "--lon", "-81"}, "not a Julian date"},
      {{"sky", "2460330.5", "--lat", "91", "--lon", "-81"}, "latitude must lie between"},
      {{"sky", "2460330.5", "--lat", "29E", "--lon", "-81"}, "letters N and S"},
      {{"sky", "2460330.5", "--lat", "29", "--lon", "200"}, "longitude must lie between"},
      {{"sky", "2780000.5", "--lat", "29", "--lon", "-81"}, "Out of Range"},
      {{"riseset"}, "usage"},
      {{"riseset", "2024/01/21"}, "usage"},
      {{"riseset", "2024/02/30", "--lat", "1", "--lon", "1"}, "not a valid date"},
      {{"riseset", "2024-01-21", "--lat", "1", "--lon", "1"}, "YYYY/MM/DD"},
      {{"riseset", "2024/01/21", "--lat", "1", "--lon", "1", "--zone", "15"}, "time-zone"},
      {{"riseset", "2024/01/21", "--lat", "1", "--lon", "1", "--zone", "x"}, "time-zone"},
      {{"riseset", "2024/01/21", "--lat", "1", "--lon", "1", "--height", "3"}, "usage"},
      {{"riseset", "2900/01/01", "--lat", "1", "--lon", "1"}, "Out of Range"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args[0] << " " << r.out;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.err_contains), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
}

TEST(CliSky, ListedInTheHelp) {
  const CliResult r = RunCli({"--help"});
  EXPECT_NE(r.out.find("sky JD --lat DEG --lon DEG"), std::string::npos);
  EXPECT_NE(r.out.find("riseset YYYY/MM/DD --lat DEG --lon DEG [--zone HOURS]"), std::string::npos);
}

}  // namespace
}  // namespace jovi
