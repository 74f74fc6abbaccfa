#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "astro/planet_body.h"
#include "astro/sun_body.h"
#include "cli/cli.h"
#include "cli/cli_support.h"
#include "support/cli_run.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::CliResult;
constexpr auto RunCli = test::RunCliCommand;

std::string Lines(std::initializer_list<Real> values) {
  std::string text;
  for (Real v : values) text += cli::Fixed(v, 9) + "\n";
  return text;
}

TEST(CliEphemeris, SunLongitudeAndDistance) {
  const Real jd = 2448908.5_r;
  EXPECT_EQ(RunCli({"sun", "2448908.5"}).out,
            Lines({SunLongitude(SunBody(kGeometric), jd), SunRadius(SunBody(kGeometric), jd)}));
  const CliResult apparent = RunCli({"sun", "2448908.5", "--apparent"});
  EXPECT_EQ(apparent.status, 0);
  EXPECT_EQ(apparent.out,
            Lines({SunLongitude(SunBody(kApparent), jd), SunRadius(SunBody(kApparent), jd)}));
}

TEST(CliEphemeris, JupiterPositionsAndMeridians) {
  const Real jd = 2460251.5_r;
  PlanetBody jupiter(kGeometric);
  PositionRec helio, geo;
  Real r = 0, delta = 0, system_i = 0, system_ii = 0;
  jupiter.HeliocentricPosition(jd, helio, r);
  jupiter.GeocentricPosition(jd, geo, delta);
  CentralMeridians(jd, system_i, system_ii);
  const CliResult result = RunCli({"jupiter", "2460251.5"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, Lines({helio.Longitude, helio.Latitude, r, geo.Longitude, geo.Latitude,
                               delta, system_i, system_ii}));
  EXPECT_EQ(result.err, "");
}

TEST(CliEphemeris, RefusesWithOneLine) {
  struct Case {
    std::vector<std::string> args;
    const char* err_contains;
  };
  const Case cases[] = {
      {{"sun"}, "usage"},
      {{"sun", "2451545", "--apparnt"}, "usage"},
      {{"sun", "abc"}, "not a Julian date"},
      {{"jupiter"}, "usage"},
      {{"jupiter", "2451545", "2451546"}, "usage"},
      {{"jupiter", "2744000.5"}, "Epoch Date Out of Range for Planet Jupiter"},  // 2800
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args[0];
    EXPECT_EQ(r.out, "") << c.args[0];
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(c.err_contains), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace jovi
