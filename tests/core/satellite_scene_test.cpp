#include "astro/satellite_scene.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/date_time.h"
#include "astro/coefficient_file.h"
#include "astro/planet_body.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

Real UT(std::int32_t y, int m, int d, int h = 0) { return test::CivilJD(y, m, d, h); }

class SatelliteScene : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  }
  void TearDown() override { SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat"); }

  // A fresh scene, as at the start of a run.
  ObservationScene At(Real ut) {
    ObservationScene scene;
    scene.Compute(TDTFromUT(ut), messages);
    return scene;
  }

  test::RecordingPrompter messages;
};

TEST_F(SatelliteScene, MatchesThePublishedWorkedExample) {
  // 1992 December 16, 0h UT, from a slightly different theory with full VSOP87: X and Y in
  // Jupiter radii. A faithful implementation lands within a few thousandths.
  const ObservationScene scene = At(UT(1992, 12, 16));
  const double X[] = {-3.4503, +7.4418, +1.2010, +7.0720};
  const double Y[] = {+0.2137, +0.2752, +0.5900, +1.0290};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_NEAR(static_cast<double>(scene.Satellite(k).X), X[k - 1], 0.01) << "moon " << k;
    EXPECT_NEAR(static_cast<double>(scene.Satellite(k).Y), Y[k - 1], 0.01) << "moon " << k;
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SatelliteScene, LightTimeStartsFromFiveAUAndCarriesOver) {
  ObservationScene scene;
  EXPECT_EQ(scene.JupiterDistance, 0);
  const Real jde = TDTFromUT(UT(1992, 12, 16));
  scene.Compute(jde, messages);
  EXPECT_GE(scene.Working().light_time_passes, 2);  // from 5.0 AU to about 5.66
  const Real converged = scene.JupiterDistance;
  EXPECT_NEAR(static_cast<double>(converged), 5.661, 0.002);
  const SatelliteState first = scene.Satellite(1);

  scene.Compute(jde, messages);  // from the converged distance: one pass, the same answer
  EXPECT_EQ(scene.Working().light_time_passes, 1);
  EXPECT_NEAR(static_cast<double>(scene.JupiterDistance), static_cast<double>(converged), 1e-6);
  EXPECT_NEAR(static_cast<double>(scene.Satellite(1).X), static_cast<double>(first.X), 1e-6);
}

TEST_F(SatelliteScene, DiscFlags) {
  const Real limb_y = 1 / kDiscFlattening;
  EXPECT_TRUE(InsideDisc(1, 0));  // the limb counts as inside
  EXPECT_TRUE(InsideDisc(0, -0.6_r / kDiscFlattening * 1.0_r) && InsideDisc(-0.8_r, 0.6_r / kDiscFlattening));
  EXPECT_FALSE(InsideDisc(1.0000001_r, 0));
  EXPECT_FALSE(InsideDisc(0, limb_y * 1.000001_r));  // the disc is flattened north-south
  EXPECT_TRUE(InsideDisc(0, limb_y * 0.999999_r));

  struct Case {
    const char* name;
    Real z, sun_z;
    bool occulted, eclipsed, shadow;
  };
  const Case cases[] = {
      {"behind, seen from both", 5, 5, true, true, false},
      {"in front, seen from both: a transit with its shadow", -5, -5, false, false, true},
      {"level with Jupiter seen from the Earth", 0, 5, false, true, false},
      {"level with Jupiter seen from the Sun", 5, 0, true, false, false},
      {"level with Jupiter seen from both", 0, 0, false, false, false},
  };
  for (const Case& c : cases) {
    SatelliteState s;
    s.X = s.SunX = 0.5_r;
    s.Y = s.SunY = -0.3_r;
    s.Z = c.z;
    s.SunZ = c.sun_z;
    SetDiscFlags(s);
    EXPECT_EQ(s.Occulted, c.occulted) << c.name;
    EXPECT_EQ(s.Eclipsed, c.eclipsed) << c.name;
    EXPECT_EQ(s.ShadowOnDisc, c.shadow) << c.name;
  }
}

TEST_F(SatelliteScene, SunViewCoincidesNearOppositionAndNotAtQuadrature) {
  // Opposition of 1992 February 29: the two views differ by a few hundredths of a radius (in
  // latitude a little more: the Earth stands 1 AU nearer, off Jupiter's orbital plane).
  const ObservationScene opposition = At(UT(1992, 2, 29));
  for (int k = 1; k <= 4; ++k) {
    const SatelliteState& s = opposition.Satellite(k);
    EXPECT_NEAR(static_cast<double>(s.SunX), static_cast<double>(s.X), 0.05) << "moon " << k;
    EXPECT_NEAR(static_cast<double>(s.SunY), static_cast<double>(s.Y), 0.1) << "moon " << k;
  }
  // Three weeks after the quadrature of 1992 November the views part by radii.
  const ObservationScene later = At(UT(1992, 12, 16));
  const SatelliteState& callisto = later.Satellite(4);
  EXPECT_GT(std::fabs(static_cast<double>(callisto.SunX - callisto.X)), 3.0);
  // Near the quadrature of 1992 December the shadow points well away from the line of sight:
  // some moon is eclipsed while clear of the disc in the telescope.
  bool eclipsed_in_the_clear = false;
  for (Real ut = UT(1992, 11, 20); ut < UT(1992, 12, 10) && !eclipsed_in_the_clear;
       ut += 1.0_r / 48) {
    const ObservationScene scene = At(ut);
    for (int k = 1; k <= 4; ++k) {
      const SatelliteState& s = scene.Satellite(k);
      if (s.Eclipsed && !s.Occulted && !InsideDisc(s.X / 1.5_r, s.Y / 1.5_r)) {
        eclipsed_in_the_clear = true;
      }
    }
  }
  EXPECT_TRUE(eclipsed_in_the_clear);
}

TEST_F(SatelliteScene, FailedJupiterGivesOneMessagePerCallAndFiniteRecords) {
  struct Case {
    const char* name;
    Real ut;
    std::string file;
    const char* caption;
  };
  const Case cases[] = {
      {"past the last year served", UT(2850, 1, 1), ProgramDir() + "Outer_Pl_Tbl.dat",
       "*** Planetary Ephemeris Not Available ***"},
      {"coefficient file missing", UT(2010, 1, 1), "/nonexistent/Outer_Pl_Tbl.dat",
       "*** Outer Planets Coefficients File Error ***"},
  };
  for (const Case& c : cases) {
    messages.messages.clear();
    SetCoefficientFile(c.file);
    ObservationScene scene;
    scene.Compute(TDTFromUT(c.ut), messages);
    scene.Compute(TDTFromUT(c.ut) + 0.01_r, messages);
    ASSERT_EQ(messages.messages.size(), 2u) << c.name;  // one per computation
    EXPECT_EQ(messages.messages[0].caption, c.caption) << c.name;
    EXPECT_TRUE(scene.Working().jupiter_failed) << c.name;
    EXPECT_EQ(scene.JupiterDistance, 5.0_r) << c.name;  // not poisoned for the next call
    for (const SatelliteState& s : scene.Satellites()) {
      for (Real v : {s.X, s.Y, s.Z, s.SunX, s.SunY, s.SunZ, s.Longitude, s.Latitude, s.Radius}) {
        EXPECT_TRUE(std::isfinite(v)) << c.name;
      }
      EXPECT_TRUE(s.Occulted) << c.name;
      EXPECT_FALSE(s.Eclipsed || s.ShadowOnDisc) << c.name;
    }
  }
}

TEST_F(SatelliteScene, ServesTheWholeRangeOfObservationDates) {
  // Years 100 to 2799 through the coefficient file: every value finite, radii near the mean
  // distances, Jupiter between 3.9 and 6.5 AU.
  const Real mean[] = {5.9073_r, 9.39912_r, 14.9924_r, 26.3699_r};
  for (Real ut = 1757582.5_r; ut < 2743738.0_r; ut += 7919.37_r) {
    const ObservationScene scene = At(ut);
    ASSERT_FALSE(scene.Working().jupiter_failed) << static_cast<double>(ut);
    EXPECT_GT(scene.JupiterDistance, 3.9_r);
    EXPECT_LT(scene.JupiterDistance, 6.5_r);
    for (int k = 1; k <= 4; ++k) {
      const SatelliteState& s = scene.Satellite(k);
      EXPECT_NEAR(static_cast<double>(s.Radius / mean[k - 1]), 1.0, 0.01);
      EXPECT_LE(std::fabs(s.X), s.Radius * 1.001_r);
    }
  }
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace jovi
