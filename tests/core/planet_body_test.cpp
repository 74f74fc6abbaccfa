#include "astro/planet_body.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/coefficient_file.h"
#include "astro/date_time.h"
#include "astro/nutation_precession.h"
#include "astro/sun_body.h"
#include "astro/time_scales.h"
#include "ephemeris_test_support.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/le_codec.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::UTFor;

constexpr Real kMinute = 1.0_r / 1440;
constexpr const char* kOutOfRangeCaption = "*** Planetary Ephemeris Not Available ***";
constexpr const char* kOutOfRangeText =
    "Epoch Date Out of Range for Planet Jupiter\r\n Available Ranges:\r\n"
    " Jupiter, Saturn -> +100.0..+2800.0\r\n Uranus, Neptune -> +1600.0..+2800.0";
constexpr const char* kFileErrorCaption = "*** Outer Planets Coefficients File Error ***";

std::string FileErrorText(const std::string& path) {
  return path +
         " Not Accessible!\r\nEphemerides for Jupiter, Saturn, Uranus & Neptune\r\n"
         "Available only for 1-1-90 thru 12-31-94";
}

class PlanetBodyTest : public ::testing::Test {
 protected:
  // A complete file whose records start where they should and carry their own number in the
  // radius c0, so a test sees which record was read.
  std::string NumberedFile() {
    LeWriter out;
    for (const OuterPlanetRange& planet : kOuterPlanets) {
      for (std::int32_t k = 0; k < BlockCount(planet); ++k) {
        CoefficientBlock block;
        block.StartMJD =
            static_cast<float>(YearStartJD(planet.FirstYear + kYearsPerBlock * k) - kMJDOrigin);
        block.Radius[0] = static_cast<float>(planet.FirstRecord + k);
        WriteCoefficientBlock(out, block);
      }
    }
    const std::string path = dir.File("numbered.dat");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(out.Bytes().data()),
               static_cast<std::streamsize>(out.Bytes().size()));
    return path;
  }

  test::ScopedProgramPrompter program;
  test::TempDir dir;
};

TEST_F(PlanetBodyTest, BuiltInBlockCoversNineteenNinetyToNinetyFive) {
  const PlanetBody jupiter(kGeometric);
  EXPECT_EQ(jupiter.Block.StartMJD, 47892.0f);
  EXPECT_EQ(jupiter.BlockStart, 2447892.5_r);
  EXPECT_EQ(jupiter.BlockEnd, 2449718.5_r);
  EXPECT_EQ(jupiter.PlanetIndex, 5);
  EXPECT_EQ(jupiter.Name, "Jupiter");
  EXPECT_EQ(jupiter.Frame, kEclipticOfDate);
}

TEST_F(PlanetBodyTest, CachedBlockServesItsBoundsWithoutTheFile) {
  const test::ScopedCoefficientFile absent(dir.File("absent.dat"));
  struct Case {
    const char* name;
    Real jde;
    bool reads_file;
  };
  const Case cases[] = {
      {"exactly at BlockStart", 2447892.5_r, false},
      {"exactly at BlockEnd", 2449718.5_r, false},
      {"inside", 2448800.25_r, false},
      {"a minute before BlockStart", 2447892.5_r - kMinute, true},
      {"a minute after BlockEnd", 2449718.5_r + kMinute, true},
  };
  for (const Case& c : cases) {
    const Real jd = UTFor(c.jde);
    ASSERT_EQ(jd + DeltaT(jd), c.jde) << c.name;
    PlanetBody jupiter(kGeometric);
    const std::uint64_t before = CoefficientFileOpenings();
    const Real t = PlanetTimeArgument(jupiter, jd);
    EXPECT_EQ(CoefficientFileOpenings() - before, c.reads_file ? 1u : 0u) << c.name;
    EXPECT_EQ(jupiter.FileError, c.reads_file) << c.name;
    EXPECT_FALSE(jupiter.OutOfRange) << c.name;
    if (!c.reads_file) {
      EXPECT_EQ(t, (c.jde - 2447892.5_r) / 2000) << c.name;
    }
  }
  EXPECT_EQ(program.prompter.messages.size(), 2u);
}

TEST_F(PlanetBodyTest, UnservedDatesAndUnreadableFilesAreReported) {
  const std::string absent = dir.File("absent.dat");
  const std::string short_file = dir.Write("short.dat", std::string(88 * 100, '\0'));
  struct Case {
    const char* name;
    std::optional<std::string> file;  // none: the shipped file
    Real jde;
    bool out_of_range;
    const char* caption;
    std::string text;
  };
  const Case cases[] = {
      {"2800 January 1", std::nullopt, YearStartJD(2800) + kMinute, true, kOutOfRangeCaption,
       kOutOfRangeText},
      {"before the year -4000", std::nullopt, YearStartJD(-4000) - 1, true, kOutOfRangeCaption,
       kOutOfRangeText},
      {"no coefficient file", absent, 2453000.5_r, false, kFileErrorCaption, FileErrorText(absent)},
      {"a file without the record", short_file, 2453000.5_r, false, kFileErrorCaption,
       FileErrorText(short_file)},
  };
  for (const Case& c : cases) {
    const test::ScopedCoefficientFile file(c.file.value_or(""));
    program.prompter.messages.clear();
    PlanetBody jupiter(kGeometric);
    EXPECT_FALSE(jupiter.IsAvailable(UTFor(c.jde))) << c.name;
    EXPECT_EQ(jupiter.OutOfRange, c.out_of_range) << c.name;
    EXPECT_EQ(jupiter.FileError, !c.out_of_range) << c.name;
    ASSERT_EQ(program.prompter.messages.size(), 1u) << c.name;
    const test::Message& m = program.prompter.messages[0];
    EXPECT_EQ(m.caption, c.caption) << c.name;
    EXPECT_EQ(m.text, c.text) << c.name;
    EXPECT_EQ(m.buttons, Buttons::Ok) << c.name;
    EXPECT_EQ(m.icon, Icon::Stop) << c.name;
    // The held block stays, and positions stay finite.
    PositionRec pos;
    Real r = 0;
    jupiter.HeliocentricPosition(UTFor(c.jde), pos, r);
    EXPECT_EQ(jupiter.BlockStart, 2447892.5_r) << c.name;
    EXPECT_TRUE(std::isfinite(pos.Longitude) && std::isfinite(r)) << c.name;
  }
}

TEST_F(PlanetBodyTest, FirstAndLastYearsAreServed) {
  for (const Real jde : {YearStartJD(-4000), YearStartJD(2800) - kMinute}) {
    PlanetBody jupiter(kGeometric);
    EXPECT_TRUE(jupiter.IsAvailable(UTFor(jde))) << static_cast<double>(jde);
  }
  EXPECT_TRUE(program.prompter.messages.empty());
}

TEST_F(PlanetBodyTest, MessagesGoToThePrompterGivenAtConstruction) {
  test::RecordingPrompter own;
  PlanetBody jupiter(kGeometric, &own);
  EXPECT_FALSE(jupiter.IsAvailable(UTFor(YearStartJD(2801))));
  EXPECT_EQ(own.messages.size(), 1u);
  EXPECT_TRUE(program.prompter.messages.empty());
}

// (Year - first year) div 5 names the block that holds the instant, on both sides of each
// block boundary, across the calendar reform, for every planet.
TEST_F(PlanetBodyTest, RecordNumberAtBlockBoundaries) {
  const test::ScopedCoefficientFile numbered(NumberedFile());
  struct Case {
    const char* name;
    std::uint8_t planet;
    Real jde;
    std::int32_t record;  // -1: not served
    std::int32_t first_year_of_block;
  };
  const Case cases[] = {
      {"-4000 January 1, 0h", 5, YearStartJD(-4000), 0, -4000},
      {"-3996 December 31, 23:59", 5, YearStartJD(-3995) - kMinute, 0, -4000},
      {"-3995 January 1, 0h", 5, YearStartJD(-3995), 1, -3995},
      {"1582 October 4, last Julian day", 5, 2299159.5_r, 1116, 1580},
      {"1582 October 15, first Gregorian day", 5, 2299160.5_r, 1116, 1580},
      {"1584 December 31, 23:59", 5, YearStartJD(1585) - kMinute, 1116, 1580},
      {"1585 January 1, 0h", 5, YearStartJD(1585), 1117, 1585},
      {"1989 December 31, 23:59", 5, YearStartJD(1990) - kMinute, 1197, 1985},
      {"1990 January 1, 0h", 5, YearStartJD(1990), 1198, 1990},
      {"1994 December 31, 23:59", 5, YearStartJD(1995) - kMinute, 1198, 1990},
      {"1995 January 1, 0h", 5, YearStartJD(1995), 1199, 1995},
      {"2795 January 1, 0h", 5, YearStartJD(2795), 1359, 2795},
      {"2799 December 31, 23:59", 5, YearStartJD(2800) - kMinute, 1359, 2795},
      {"Saturn, 1990 January 1", 6, YearStartJD(1990), 2558, 1990},
      {"Uranus, 1599 December 31", 7, YearStartJD(1600) - kMinute, -1, 0},
      {"Uranus, 1600 January 1", 7, YearStartJD(1600), 2720, 1600},
      {"Neptune, 2799 December 31", 8, YearStartJD(2800) - kMinute, 3199, 2795},
  };
  for (const Case& c : cases) {
    PlanetBody planet(kGeometric);
    planet.PlanetIndex = c.planet;
    PlanetTimeArgument(planet, UTFor(2634000.5_r));  // leave the built-in block first
    const Real jd = UTFor(c.jde);
    const Real t = PlanetTimeArgument(planet, jd);
    if (c.record < 0) {
      EXPECT_TRUE(planet.OutOfRange) << c.name;
      continue;
    }
    ASSERT_FALSE(planet.OutOfRange || planet.FileError) << c.name;
    EXPECT_EQ(planet.Block.Radius[0], static_cast<float>(c.record)) << c.name;
    EXPECT_EQ(planet.BlockStart, YearStartJD(c.first_year_of_block)) << c.name;
    EXPECT_EQ(planet.BlockEnd, BlockEndJD(planet.BlockStart)) << c.name;
    EXPECT_GE(t, 0.0_r) << c.name;
    EXPECT_LE(t, (planet.BlockEnd - planet.BlockStart) / 2000) << c.name;
  }
}

TEST_F(PlanetBodyTest, GeocentricLongitudeBeforeAndAfterCorrections) {
  // Two days apart over twelve years: every geocentric longitude of the circle.
  for (Real jd = 2447000.5_r; jd < 2451400.5_r; jd += 2) {
    PlanetBody geometric(kGeometric);
    PlanetBody apparent(kApparent);
    PositionRec g, a;
    Real dg = 0, da = 0;
    geometric.GeocentricPosition(jd, g, dg);
    apparent.GeocentricPosition(jd, a, da);
    ASSERT_GT(g.Longitude, -kPi) << static_cast<double>(jd);
    ASSERT_LE(g.Longitude, kPi) << static_cast<double>(jd);
    // Not reduced again: kind 1 may step just past +-pi.
    ASSERT_EQ(a.Longitude,
              g.Longitude + (apparent.LongitudeCorrection(jd) + NutationInLongitude(jd)))
        << static_cast<double>(jd);
    ASSERT_EQ(a.Latitude, g.Latitude);
    ASSERT_EQ(da, dg);
    EXPECT_EQ(geometric.CachedJD, jd);
    EXPECT_EQ(geometric.GeoDistance, dg);
  }
}

// Published oppositions and conjunctions: geocentric Jupiter opposite the Sun or beside it,
// as bright as it then is.
TEST_F(PlanetBodyTest, OppositionsAndConjunctions) {
  struct Case {
    const char* name;
    Real jd;  // UT
    Real elongation_deg;
    Real magnitude_min, magnitude_max;
  };
  const Case cases[] = {
      {"opposition 2019 June 10", 2458645.1_r, 180, -2.8_r, -2.5_r},
      {"opposition 2021 August 20", 2459446.5_r, 180, -3.0_r, -2.7_r},
      {"opposition 2023 November 3", 2460251.7_r, 180, -3.0_r, -2.8_r},
      {"conjunction 2022 March 5", 2459643.5_r, 0, -2.2_r, -1.8_r},
      {"conjunction 2023 April 11", 2460045.5_r, 0, -2.2_r, -1.8_r},
  };
  for (const Case& c : cases) {
    PlanetBody jupiter(kGeometric);
    PositionRec pos;
    Real delta = 0;
    jupiter.GeocentricPosition(c.jd, pos, delta);
    const Real sun = SunLongitude(SunBody(kGeometric), c.jd);
    EXPECT_NEAR(static_cast<double>(test::ArcsecondsBetween(
                                        pos.Longitude, sun + c.elongation_deg * kRadiansPerDegree) /
                                    3600),
                0.0, 1.0)
        << c.name;
    const Real v = jupiter.Magnitude(c.jd);
    EXPECT_GE(v, c.magnitude_min) << c.name;
    EXPECT_LE(v, c.magnitude_max) << c.name;
    EXPECT_NEAR(static_cast<double>(jupiter.CosPhase), 1.0, 1e-4) << c.name;
  }
}

TEST_F(PlanetBodyTest, NearestOppositionAndConjunction) {
  PlanetBody jupiter(kApparent);
  jupiter.EstimateConjunctionOpposition(2460097.5_r);  // 2023 June 1
  EXPECT_NEAR(static_cast<double>(jupiter.NextOpposition), 2460251.7, 15);
  EXPECT_NEAR(static_cast<double>(jupiter.NextConjunction), 2460045.5, 15);
  const Real d = jupiter.NextOpposition - jupiter.NextConjunction;
  EXPECT_EQ(jupiter.BracketLow, jupiter.NextOpposition - d);
  EXPECT_EQ(jupiter.BracketHigh, jupiter.NextOpposition + d);

  // Halves go to the even integer: 1000 / 400 = 2.5 gives 2 for both, so the opposition lies
  // half a period before the date (rounding halves up would put it half a period after).
  PlanetBody even(kApparent);
  DateTimeRec rec;
  SetFromJD(rec, 2460097.5_r);
  const Real j0 = DayOfYear(rec) + rec.Year * 365.2425_r + 1721060.0_r;
  even.SynodicPeriod = 400;
  even.OppositionEpoch = j0 - 1000;
  even.ConjunctionEpoch = j0 - 1000;
  even.EstimateConjunctionOpposition(2460097.5_r);
  EXPECT_EQ(even.NextOpposition, j0 - 200);
  EXPECT_EQ(even.NextConjunction, j0 - 200);
  EXPECT_EQ(even.BracketLow, j0 - 200);
  EXPECT_EQ(even.BracketHigh, j0 - 200);
}

TEST_F(PlanetBodyTest, CentralMeridians) {
  // Meeus, Astronomical Algorithms, worked example of the same method for JDE 2448972.50068
  // (1992 December 16): 268.12 and 72.79 degrees after a correction for the phase, which this
  // program leaves out and which is under 0.6 degrees. An error of an hour would be 36 degrees.
  Real system_i = 0, system_ii = 0;
  CentralMeridians(2448972.50068_r, system_i, system_ii);
  EXPECT_NEAR(static_cast<double>(system_i / kRadiansPerDegree), 268.12, 0.6);
  EXPECT_NEAR(static_cast<double>(system_ii / kRadiansPerDegree), 72.79, 0.6);
  // The correction is the same for both: their difference is exact to the printed decimals.
  EXPECT_NEAR(static_cast<double>((system_i - system_ii) / kRadiansPerDegree), 268.12 - 72.79,
              0.01);

  // Before J2000 the day count is negative and the angles large: still in [0, 2pi).
  for (const Real jd :
       {1757582.5_r, 2000000.25_r, 2299160.5_r, 2440000.75_r, 2451544.9_r, 2451545.0_r, 2600000.5_r}) {
    CentralMeridians(jd, system_i, system_ii);
    for (const Real w : {system_i, system_ii}) {
      EXPECT_GE(w, 0.0_r) << static_cast<double>(jd);
      EXPECT_LT(w, kTwoPi) << static_cast<double>(jd);
    }
  }
}

TEST_F(PlanetBodyTest, RectangularCoordinatesReferredToJ2000) {
  const Real jd = 2488000.5_r;  // 2100
  PlanetBody jupiter(kGeometric);
  PositionRec pos;
  Real r = 0;
  jupiter.HeliocentricPosition(jd, pos, r);
  std::array<Real, 3> xyz{};
  jupiter.RectangularJ2000(jd, xyz);
  const Real d = std::sqrt(xyz[0] * xyz[0] + xyz[1] * xyz[1] + xyz[2] * xyz[2]);
  EXPECT_NEAR(static_cast<double>(d / (r * kKilometresPerAU)), 1.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(xyz[2] / d), static_cast<double>(std::sin(pos.Latitude)), 1e-15);
  EXPECT_NEAR(static_cast<double>(test::ArcsecondsBetween(std::atan2(xyz[1], xyz[0]),
                                                          pos.Longitude - GeneralPrecession(jd))),
              0.0, 1e-9);
}

}  // namespace
}  // namespace jovi
