// Whether Jupiter can be seen: the two limits at their boundaries.
#include <gtest/gtest.h>

#include <cmath>

#include "sky/visibility.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "support/sign_change.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kMinute = 1.0_r / 1440;

using test::Crossing;

class Visibility : public ::testing::Test {
 protected:
  test::RecordingPrompter messages;
  SkyEphemeris sky{&messages};
  const ObserverPlace amsterdam{52.37, 4.89, 0, "Amsterdam"};
  // 2024 January 21, local time UT + 1 h: the Sun sets at 17:06, Jupiter transits at 18:56
  // some 50 degrees high and sets at 02:10.
  const Real evening = test::CivilJD(2024, 1, 21, 16, 0);  // 17:00 local
};

TEST_F(Visibility, JupiterAtTheAltitudeLimit) {
  const Real t = Crossing(
      evening + 6 * kMinute * 60, evening + 9.5_r * kMinute * 60,
      [&](Real jd) { return VisibleFrom(sky, amsterdam, jd).jupiter_altitude_deg - 10; });
  const JupiterVisibility at = VisibleFrom(sky, amsterdam, t);
  ASSERT_TRUE(at.available);
  EXPECT_NEAR(at.jupiter_altitude_deg, 10, 1e-4);
  EXPECT_LT(at.sun_altitude_deg, -40);  // a dark sky: only the altitude decides
  // A minute earlier Jupiter is higher and passes; a minute later it is too low.
  const JupiterVisibility before = VisibleFrom(sky, amsterdam, t - kMinute);
  const JupiterVisibility after = VisibleFrom(sky, amsterdam, t + kMinute);
  EXPECT_TRUE(before.visible && before.jupiter_high_enough && before.sky_dark_enough);
  EXPECT_FALSE(after.visible);
  EXPECT_FALSE(after.jupiter_high_enough);
  EXPECT_TRUE(after.sky_dark_enough);
  // The limit is inclusive: exactly at it passes, the least bit above it fails.
  VisibilityLimits exact;
  exact.min_alt_deg = at.jupiter_altitude_deg;
  EXPECT_TRUE(VisibleFrom(sky, amsterdam, t, exact).visible);
  exact.min_alt_deg = std::nextafter(at.jupiter_altitude_deg, 90.0_r);
  EXPECT_FALSE(VisibleFrom(sky, amsterdam, t, exact).visible);
  // The altitude is the apparent one: the refraction (5.4' at 10 degrees) is in it.
  const auto where = sky.Where(SkyBody::Jupiter, amsterdam, t);
  EXPECT_NEAR((where->altitude_deg - where->true_altitude_deg) * 60, 5.4, 0.1);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Visibility, TheSkyAtTheTwilightLimit) {
  const Real t = Crossing(evening, evening + 2 * kMinute * 60, [&](Real jd) {
    return VisibleFrom(sky, amsterdam, jd).sun_altitude_deg + 6;
  });
  const JupiterVisibility at = VisibleFrom(sky, amsterdam, t);
  EXPECT_NEAR(at.sun_altitude_deg, -6, 1e-4);
  EXPECT_GT(at.jupiter_altitude_deg, 30);  // high: only the Sun decides
  EXPECT_FALSE(VisibleFrom(sky, amsterdam, t - kMinute).visible);
  EXPECT_FALSE(VisibleFrom(sky, amsterdam, t - kMinute).sky_dark_enough);
  EXPECT_TRUE(VisibleFrom(sky, amsterdam, t + kMinute).visible);
  VisibilityLimits exact;
  exact.sun_below_deg = -at.sun_altitude_deg;
  EXPECT_TRUE(VisibleFrom(sky, amsterdam, t, exact).visible);
  exact.sun_below_deg = std::nextafter(-at.sun_altitude_deg, 90.0_r);
  EXPECT_FALSE(VisibleFrom(sky, amsterdam, t, exact).visible);
  // Other limits move the boundary: 12 degrees (nautical twilight) is not yet reached.
  VisibilityLimits nautical;
  nautical.sun_below_deg = 12;
  EXPECT_FALSE(VisibleFrom(sky, amsterdam, t + kMinute, nautical).visible);
}

TEST_F(Visibility, DaytimeAndBelowTheHorizonFail) {
  const JupiterVisibility noon = VisibleFrom(sky, amsterdam, test::CivilJD(2024, 1, 21, 11, 0));
  EXPECT_TRUE(noon.available);
  EXPECT_FALSE(noon.sky_dark_enough);
  EXPECT_FALSE(noon.visible);
  const JupiterVisibility morning = VisibleFrom(sky, amsterdam, test::CivilJD(2024, 1, 21, 5, 0));
  EXPECT_LT(morning.jupiter_altitude_deg, 0);
  EXPECT_FALSE(morning.visible);
}

TEST_F(Visibility, UnknownDateIsNotAvailable) {
  const JupiterVisibility v = VisibleFrom(sky, amsterdam, test::CivilJD(2900, 1, 1));
  EXPECT_FALSE(v.available);
  EXPECT_FALSE(v.visible);
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST(VisibilityProgramWide, SameAnswerAsWithItsOwnEphemeris) {
  test::ScopedProgramPrompter program;
  SkyEphemeris sky;
  const ObserverPlace sydney{-33.87, 151.21, 0, ""};
  const Real t = test::CivilJD(2023, 11, 3, 12, 0);
  const JupiterVisibility a = VisibleFrom(sydney, t);
  const JupiterVisibility b = VisibleFrom(sky, sydney, t);
  EXPECT_EQ(a.jupiter_altitude_deg, b.jupiter_altitude_deg);
  EXPECT_EQ(a.sun_altitude_deg, b.sun_altitude_deg);
  EXPECT_EQ(a.visible, b.visible);
}

}  // namespace
}  // namespace jovi
