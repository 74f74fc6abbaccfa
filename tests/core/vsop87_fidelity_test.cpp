// The VSOP87D evaluator against the published check values, and the generated coefficient file
// against the full series.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "astro/coefficient_block.h"
#include "astro/coefficient_file.h"
#include "astro/outer_planet_records.h"
#include "astro/planet_body.h"
#include "astro/time_scales.h"
#include "astro/vsop87.h"
#include "ephemeris_test_support.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::ArcsecondsBetween;

const Vsop87Series& Series(const std::string& planet) {
  static std::map<std::string, Vsop87Series> loaded;
  auto it = loaded.find(planet);
  if (it == loaded.end()) {
    Vsop87Load load = Vsop87Series::Load(test::Vsop87dDir() + "/" + planet + ".txt");
    EXPECT_TRUE(load.Ok()) << load.error;
    it = loaded.emplace(planet, std::move(load.series)).first;
  }
  return it->second;
}

// The check values distributed with VSOP87 (vsop87.chk, Bretagnon and Francou), printed to
// 1e-10.
TEST(Vsop87, MatchesThePublishedCheckValues) {
  struct Case {
    const char* planet;
    Real jde, l, b, r;
  };
  const Case cases[] = {
      {"jupiter", 2451545.0_r, 0.6334614186_r, -0.0205001039_r, 4.9653813154_r},
      {"jupiter", 2415020.0_r, 4.0927527024_r, 0.0161446618_r, 5.3850276671_r},
      {"jupiter", 2305445.0_r, 2.3348832684_r, 0.0140523907_r, 5.3439455032_r},
      {"jupiter", 2122820.0_r, 1.2695066546_r, -0.0075335740_r, 5.1193587362_r},
      {"saturn", 2451545.0_r, 0.7980038761_r, -0.0401984149_r, 9.1838483715_r},
      {"saturn", 2122820.0_r, 3.5570108069_r, 0.0435371139_r, 9.8669939498_r},
      {"uranus", 2451545.0_r, 5.5225485803_r, -0.0119527838_r, 19.9240482667_r},
      {"uranus", 2268920.0_r, 5.6817615582_r, -0.0129257254_r, 20.0300462993_r},
      {"neptune", 2451545.0_r, 5.3045629252_r, 0.0042236789_r, 30.1205328392_r},
      {"neptune", 2159345.0_r, 6.0203596580_r, -0.0215169842_r, 29.9065506848_r},
  };
  for (const Case& c : cases) {
    const Vsop87Position p = Series(c.planet).At(c.jde);
    const std::string name =
        std::string(c.planet) + " " + std::to_string(static_cast<double>(c.jde));
    EXPECT_NEAR(static_cast<double>(ReduceToTwoPi(p.Longitude)), static_cast<double>(c.l), 1e-9)
        << name;
    EXPECT_NEAR(static_cast<double>(p.Latitude), static_cast<double>(c.b), 1e-9) << name;
    EXPECT_NEAR(static_cast<double>(p.Radius), static_cast<double>(c.r), 1e-9) << name;
  }
}

TEST(Vsop87, GridAgreesWithSingleInstants) {
  const Vsop87Series& jupiter = Series("jupiter");
  const std::vector<Real> offsets = {0, 0.37_r, 911.5_r, 1826};
  const Vsop87Grid grid = jupiter.Grid(offsets);
  // The sums of thousands of terms differ in their last bits: 2^11 times more in a double.
  const double scale = kRealIsExtended ? 1 : 2048;
  for (const Real start : {1757582.5_r, 2451545.0_r, 2743000.5_r}) {
    const std::vector<Vsop87Position> at = jupiter.At(grid, start);
    ASSERT_EQ(at.size(), offsets.size());
    for (std::size_t j = 0; j < offsets.size(); ++j) {
      const Vsop87Position one = jupiter.At(start + offsets[j]);
      EXPECT_NEAR(static_cast<double>(at[j].Longitude - one.Longitude), 0.0, 1e-15 * scale);
      EXPECT_NEAR(static_cast<double>(at[j].Latitude - one.Latitude), 0.0, 1e-15 * scale);
      EXPECT_NEAR(static_cast<double>(at[j].Radius - one.Radius), 0.0, 1e-14 * scale);
    }
  }
  EXPECT_TRUE(Series("saturn").At(grid, 2451545.0_r).empty());  // a grid of another series
}

TEST(Vsop87, LoadReportsBadFiles) {
  const Vsop87Load missing = Vsop87Series::Load(test::Vsop87dDir() + "/pluto.txt");
  EXPECT_FALSE(missing.Ok());
  EXPECT_NE(missing.error.find("File Not Found!"), std::string::npos) << missing.error;
}

// Worst differences of positions from the full series.
struct Deviation {
  Real l = 0, b = 0, r = 0;  // arcseconds, arcseconds, AU
  void Add(Real dl, Real db, Real dr) {
    l = std::max(l, std::fabs(dl));
    b = std::max(b, std::fabs(db));
    r = std::max(r, std::fabs(dr));
  }
};

// What a polynomial of degree 6 over five years can do for Jupiter: at worst 3.5" in l, 1.1" in
// b and 3.2e-5 AU in r, in the blocks around perihelion (0.4" for the 1990 block).
constexpr Deviation kJupiterLimit{4.0_r, 1.2_r, 3.5e-5_r};

Deviation BlockAgainstSeries(const CoefficientBlock& block, const Vsop87Series& series,
                             int samples) {
  const Real start = block.StartMJD + kMJDOrigin;
  const Real end = BlockEndJD(start);
  Deviation dev;
  for (int i = 0; i <= samples; ++i) {
    const Real jde = start + (end - start) * i / samples;
    const Real t = BlockTimeArgument(block, jde);
    const Vsop87Position p = series.At(jde);
    dev.Add(ArcsecondsBetween(EvaluateCoefficients(block.Longitude, t), p.Longitude),
            (EvaluateCoefficients(block.Latitude, t) - p.Latitude) / kRadiansPerArcsecond,
            EvaluateCoefficients(block.Radius, t) - p.Radius);
  }
  return dev;
}

class GeneratedFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = CoefficientFile();
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
  }
  CoefficientBlock Record(std::int32_t n) {
    CoefficientBlock block;
    EXPECT_TRUE(ReadCoefficientRecord(path, n, block)) << n;
    return block;
  }
  std::string path;
  test::ScopedProgramPrompter program;
};

TEST_F(GeneratedFileTest, LayoutOfTheRecords) {
  EXPECT_EQ(std::filesystem::file_size(path), 3200u * 88u);
  for (const OuterPlanetRange& planet : kOuterPlanets) {
    for (std::int32_t k = 0; k < BlockCount(planet); ++k) {
      const CoefficientBlock block = Record(planet.FirstRecord + k);
      ASSERT_EQ(block.StartMJD + kMJDOrigin, YearStartJD(planet.FirstYear + kYearsPerBlock * k))
          << "record " << planet.FirstRecord + k;
      ASSERT_GE(block.Longitude[0], 0.0f) << "record " << planet.FirstRecord + k;
      ASSERT_LT(block.Longitude[0], kTwoPi) << "record " << planet.FirstRecord + k;
    }
  }
}

// Jupiter through the program's own path (lookup, delta T, evaluation) against the full
// series at the instant the body evaluates, over the years 100 to 2800.
TEST_F(GeneratedFileTest, JupiterFollowsTheFullSeries) {
  const Vsop87Series& series = Series("jupiter");
  const Real first = test::UTFor(YearStartJD(100));
  const Real last = test::UTFor(YearStartJD(2800)) - 1.0_r / 1440;
  const int n = 400;
  Deviation dev;
  PlanetBody jupiter(kGeometric);
  for (int i = 0; i <= n; ++i) {
    // Spread over the span, landing at every phase of the five-year blocks.
    const Real jd = first + (last - first) * i / n;
    PositionRec pos;
    Real r = 0;
    jupiter.HeliocentricPosition(jd, pos, r);
    ASSERT_FALSE(jupiter.OutOfRange || jupiter.FileError) << static_cast<double>(jd);
    const Vsop87Position p = series.At(jd + DeltaT(jd));
    dev.Add(ArcsecondsBetween(pos.Longitude, p.Longitude),
            (pos.Latitude - p.Latitude) / kRadiansPerArcsecond, r - p.Radius);
  }
  std::printf(
      "Jupiter, years 100-2800, %d instants: max |dl| %.3" JOVI_REAL_LEN "f\", |db| %.3" JOVI_REAL_LEN "f\", |dr| %.2" JOVI_REAL_LEN "e AU\n",
      n + 1, dev.l, dev.b, dev.r);
  EXPECT_LE(dev.l, kJupiterLimit.l);
  EXPECT_LE(dev.b, kJupiterLimit.b);
  EXPECT_LE(dev.r, kJupiterLimit.r);
  EXPECT_TRUE(program.prompter.messages.empty());
}

// Block by block, ends included, for every planet over a sample of its years.
TEST_F(GeneratedFileTest, EveryPlanetFollowsTheFullSeriesToTheBlockEnds) {
  struct Case {
    const char* planet;
    std::int32_t first_record, records;
    Deviation limit;
  };
  const Case cases[] = {
      {"jupiter", 0, 1360, kJupiterLimit},
      {"saturn", 1360, 1360, {1.2_r, 0.05_r, 3.0e-5_r}},
      {"uranus", 2720, 240, {0.15_r, 0.01_r, 1.0e-5_r}},
      {"neptune", 2960, 240, {0.15_r, 0.01_r, 1.0e-5_r}},
  };
  for (const Case& c : cases) {
    Deviation worst;
    for (std::int32_t k = 0; k < c.records; k += 17) {
      const Deviation d = BlockAgainstSeries(Record(c.first_record + k), Series(c.planet), 12);
      worst.Add(d.l, d.b, d.r);
    }
    std::printf("%s: max |dl| %.3" JOVI_REAL_LEN "f\", |db| %.3" JOVI_REAL_LEN "f\", |dr| %.2" JOVI_REAL_LEN "e AU\n", c.planet, worst.l, worst.b,
                worst.r);
    EXPECT_LE(worst.l, c.limit.l) << c.planet;
    EXPECT_LE(worst.b, c.limit.b) << c.planet;
    EXPECT_LE(worst.r, c.limit.r) << c.planet;
  }
}

// Record 1198 is fitted for the span of the built-in block; the two agree, and the built-in
// block evaluated from its start, 1990 January 1, follows the full series.
TEST_F(GeneratedFileTest, RecordOfNineteenNinetyMatchesTheBuiltInBlock) {
  const CoefficientBlock record = Record(1198);
  const CoefficientBlock built_in = PlanetBody(kGeometric).Block;
  ASSERT_EQ(record.StartMJD, built_in.StartMJD);
  const Real start = built_in.StartMJD + kMJDOrigin;
  const Real end = BlockEndJD(start);
  Deviation between;
  for (int i = 0; i <= 400; ++i) {
    const Real t = BlockTimeArgument(built_in, start + (end - start) * i / 400);
    between.Add(
        ArcsecondsBetween(EvaluateCoefficients(record.Longitude, t),
                          EvaluateCoefficients(built_in.Longitude, t)),
        (EvaluateCoefficients(record.Latitude, t) - EvaluateCoefficients(built_in.Latitude, t)) /
            kRadiansPerArcsecond,
        EvaluateCoefficients(record.Radius, t) - EvaluateCoefficients(built_in.Radius, t));
  }
  const Deviation built_in_error = BlockAgainstSeries(built_in, Series("jupiter"), 400);
  std::printf(
      "record 1198 vs built-in block: max |dl| %.3" JOVI_REAL_LEN "f\", |db| %.3" JOVI_REAL_LEN "f\", |dr| %.2" JOVI_REAL_LEN "e AU; "
      "built-in vs VSOP87D: %.3" JOVI_REAL_LEN "f\", %.3" JOVI_REAL_LEN "f\", %.2" JOVI_REAL_LEN "e AU\n",
      between.l, between.b, between.r, built_in_error.l, built_in_error.b, built_in_error.r);
  EXPECT_LE(between.l, 0.5_r);
  EXPECT_LE(between.b, 0.5_r);
  EXPECT_LE(between.r, 5e-6_r);
  EXPECT_LE(built_in_error.l, 0.5_r);
  EXPECT_LE(built_in_error.b, 0.5_r);
}

}  // namespace
}  // namespace jovi
