// Rising, transit and setting: Meeus's worked example of the method, three places (a
// mid-northern, a southern and an arctic one where Jupiter stays down or up all day) against
// an independent computation, and the local day.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "sky/observing_day.h"
#include "sky/rise_set.h"
#include "sky/sky_ephemeris.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kSecond = 1.0_r / 86400;
constexpr Real kDeg = kRadiansPerDegree;

// Meeus, Astronomical Algorithms (2nd ed.), Example 15.a: Venus from Boston (42deg20' N,
// 71deg05' W) on 1988 March 20, from its places at 0h TD on March 19, 20 and 21 (interpolated
// as Meeus does, (3.3)) and h0 = -0deg34'. Meeus finds the rising at 12h25m, the transit at
// 19h41m and the setting at 2h55m UT.
TEST(RiseTransitSet, MeeusExample15aVenusAtBoston) {
  const Real day = test::CivilJD(1988, 3, 20);
  const Real ra[3] = {40.68021_r, 41.73129_r, 42.78204_r};
  const Real dec[3] = {18.04761_r, 18.44092_r, 18.82742_r};
  auto interpolate = [](const Real(&y)[3], Real n) {
    const Real a = y[1] - y[0], b = y[2] - y[1], c = b - a;
    return y[1] + n / 2 * (a + b + n * c);
  };
  int calls = 0;
  const PositionAt venus = [&](Real jd_ut) -> std::optional<Equatorial> {
    ++calls;
    const Real n = TDTFromUT(jd_ut) - day;
    return Equatorial{interpolate(ra, n) * kDeg, interpolate(dec, n) * kDeg};
  };
  const ObserverPlace boston{42 + 20 / 60.0, -(71 + 5 / 60.0), 0, "Boston"};
  const DayEvents events = RiseTransitSet(venus, boston, day, kPlanetHorizonDeg);
  ASSERT_TRUE(events.ok);
  ASSERT_EQ(events.rises.size(), 1u);
  ASSERT_EQ(events.transits.size(), 1u);
  ASSERT_EQ(events.sets.size(), 1u);
  EXPECT_NEAR((events.rises[0] - day) * 1440, 12 * 60 + 25, 1.0);
  EXPECT_NEAR((events.transits[0] - day) * 1440, 19 * 60 + 41, 1.0);
  EXPECT_NEAR((events.sets[0] - day) * 1440, 2 * 60 + 55, 1.0);
  EXPECT_FALSE(events.always_up || events.always_down);
  EXPECT_LT(calls, 300);  // every search bounded
}

struct Reference {
  const char* place;
  ObserverPlace where;
  double zone;  // UT minus local
  LocalDate date;
  // UT Julian dates from Astronomy Engine 2.1.19 (D. Cross, VSOP87 and IAU 2000B nutation;
  // the same horizon altitudes), 0 where the event does not happen that day.
  Real jupiter_rise, jupiter_transit, jupiter_set, sun_rise, sun_set;
};

const Reference kReferences[] = {
    {"Amsterdam",
     {52.37, 4.89, 0, ""},
     -1,
     {2024, 1, 21},
     2460330.94814_r,
     2460331.24702_r,
     2460330.54841_r,
     2460330.81779_r,
     2460331.17089_r},
    {"Sydney",
     {-33.87, 151.21, 0, ""},
     -10,
     {2023, 11, 3},
     2460251.84343_r,
     2460252.06869_r,
     2460251.29701_r,
     2460251.28716_r,
     2460251.85030_r},
    {"Tromso",
     {69.65, 18.96, 0, ""},
     -1,
     {2024, 1, 21},
     2460330.84999_r,
     2460331.20804_r,
     2460330.56856_r,
     2460330.89749_r,
     2460331.01326_r},
    // Jupiter at declination -22deg: never rises at 69.65 N; the midnight Sun.
    {"Tromso", {69.65, 18.96, 0, ""}, -1, {2019, 6, 10}, 0, 2458645.44615_r, 0, 0, 0},
    // Jupiter at declination +23deg: never sets; the midnight Sun.
    {"Tromso", {69.65, 18.96, 0, ""}, -1, {2025, 6, 21}, 0, 2460847.95560_r, 0, 0, 0},
};

void ExpectOne(const std::vector<Real>& found, Real expected, const char* what,
               const Reference& r) {
  if (expected == 0) {
    EXPECT_TRUE(found.empty()) << r.place << " " << r.date.year << " " << what;
    return;
  }
  ASSERT_EQ(found.size(), 1u) << r.place << " " << r.date.year << " " << what;
  // The acceptance is 2 minutes; the two computations agree to a few seconds.
  EXPECT_NEAR((found[0] - expected) / kSecond, 0, 30)
      << r.place << " " << r.date.year << " " << what;
}

TEST(RiseTransitSet, ThreePlacesAgainstAnIndependentComputation) {
  test::RecordingPrompter messages;
  SkyEphemeris sky(&messages);
  for (const Reference& r : kReferences) {
    const ObservingDay day = ComputeObservingDay(sky, r.where, r.date, r.zone);
    ASSERT_TRUE(day.ok());
    ExpectOne(day.jupiter.rises, r.jupiter_rise, "Jupiter rise", r);
    ExpectOne(day.jupiter.transits, r.jupiter_transit, "Jupiter transit", r);
    ExpectOne(day.jupiter.sets, r.jupiter_set, "Jupiter set", r);
    ExpectOne(day.sun.rises, r.sun_rise, "Sun rise", r);
    ExpectOne(day.sun.sets, r.sun_set, "Sun set", r);
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST(RiseTransitSet, ArcticDaysStayUpOrDown) {
  SkyEphemeris sky;
  const ObserverPlace tromso{69.65, 18.96, 0, "Tromso"};
  const ObservingDay down = ComputeObservingDay(sky, tromso, {2019, 6, 10}, -1);
  EXPECT_TRUE(down.jupiter.always_down);
  EXPECT_FALSE(down.jupiter.always_up);
  ASSERT_EQ(down.jupiter.transit_altitudes_deg.size(), 1u);
  EXPECT_LT(down.jupiter.transit_altitudes_deg[0], kPlanetHorizonDeg);  // even at transit
  EXPECT_TRUE(down.sun.always_up);
  const ObservingDay up = ComputeObservingDay(sky, tromso, {2025, 6, 21}, -1);
  EXPECT_TRUE(up.jupiter.always_up);
  EXPECT_FALSE(up.jupiter.always_down);
  const ObservingDay polar_night = ComputeObservingDay(sky, tromso, {2026, 12, 10}, -1);
  EXPECT_TRUE(polar_night.sun.always_down);
  EXPECT_TRUE(polar_night.sun.rises.empty() && polar_night.sun.sets.empty());
  // An ordinary day there has neither flag.
  const ObservingDay ordinary = ComputeObservingDay(sky, tromso, {2024, 1, 21}, -1);
  EXPECT_FALSE(ordinary.jupiter.always_up || ordinary.jupiter.always_down);
}

TEST(RiseTransitSet, EventsLieOnTheHorizonAltitudeAndTheMeridian) {
  SkyEphemeris sky;
  const ObserverPlace place{-33.87, 151.21, 0, ""};
  for (int month = 1; month <= 12; ++month) {
    const ObservingDay day = ComputeObservingDay(sky, place, {2022, month, 15}, -10);
    ASSERT_TRUE(day.ok());
    for (SkyBody body : {SkyBody::Jupiter, SkyBody::Sun}) {
      const DayEvents& e = body == SkyBody::Jupiter ? day.jupiter : day.sun;
      const Real h0 = body == SkyBody::Jupiter ? kPlanetHorizonDeg : kSunHorizonDeg;
      for (const auto* list : {&e.rises, &e.sets}) {
        for (Real t : *list) {
          EXPECT_GE(t, day.start_ut);
          EXPECT_LT(t, day.start_ut + 1);
          EXPECT_NEAR(sky.Where(body, place, t)->true_altitude_deg, h0, 0.002) << month;
        }
      }
      for (Real t : e.transits) {
        EXPECT_NEAR(sky.Where(body, place, t)->hour_angle_deg, 0, 0.002) << month;
      }
      EXPECT_EQ(e.rises.size(), 1u) << month;
      EXPECT_EQ(e.sets.size(), 1u) << month;
    }
  }
}

TEST(RiseTransitSet, AMissingPositionEndsTheSearchCleanly) {
  int calls = 0;
  const PositionAt failing = [&calls](Real) -> std::optional<Equatorial> {
    ++calls;
    return std::nullopt;
  };
  const DayEvents e = RiseTransitSet(failing, ObserverPlace{}, 2451545.0_r, kSunHorizonDeg);
  EXPECT_FALSE(e.ok);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(e.rises.empty() && e.sets.empty() && e.transits.empty());
  // Failing half-way.
  calls = 0;
  const PositionAt late = [&calls](Real) -> std::optional<Equatorial> {
    if (++calls > 40) return std::nullopt;
    return Equatorial{1, 0.2_r};
  };
  EXPECT_FALSE(RiseTransitSet(late, ObserverPlace{}, 2451545.0_r, kSunHorizonDeg).ok);
  EXPECT_EQ(calls, 41);
}

TEST(RiseTransitSet, JupiterOutsideItsEphemerisIsNotAnEvent) {
  test::RecordingPrompter messages;
  SkyEphemeris sky(&messages);
  const ObservingDay day = ComputeObservingDay(sky, ObserverPlace{52, 5, 0, ""}, {2900, 1, 1}, 0);
  EXPECT_FALSE(day.jupiter.ok);
  EXPECT_TRUE(day.sun.ok);
  EXPECT_FALSE(day.ok());
  EXPECT_EQ(messages.messages.size(), 1u);  // the ephemeris's one message
}

TEST(LocalDay, StartsAtLocalMidnight) {
  // US Eastern Standard Time, UT - 5 h: 2024 January 21 begins at 5h UT.
  EXPECT_EQ(LocalDayStart({2024, 1, 21}, 5), test::CivilJD(2024, 1, 21) + 5.0_r / 24);
  EXPECT_EQ(LocalDayStart({2024, 1, 21}, -10), test::CivilJD(2024, 1, 21) - 10.0_r / 24);
  const LocalDate d = LocalDateOf(test::CivilJD(2024, 1, 21, 2, 0), 5);  // 21:00 on the 20th
  EXPECT_EQ(d.year, 2024);
  EXPECT_EQ(d.month, 1);
  EXPECT_EQ(d.day, 20);
  EXPECT_EQ(LocalDateTimeText(test::CivilJD(2024, 1, 21, 2, 0), 5), "2024/01/20 21:00");
  // To the nearest minute, carrying into the next day.
  EXPECT_EQ(LocalDateTimeText(test::CivilJD(2024, 1, 21, 23, 59, 31), 0), "2024/01/22 00:00");
  EXPECT_EQ(LocalDateTimeText(test::CivilJD(2024, 1, 21, 23, 59, 29), 0), "2024/01/21 23:59");
  EXPECT_EQ(LocalTimeText(test::CivilJD(2024, 1, 21, 10, 4, 40), -1), "11:05");
  EXPECT_EQ(ZoneText(0), "UT");
  EXPECT_EQ(ZoneText(5), "UT - 5 h");
  EXPECT_EQ(ZoneText(-1), "UT + 1 h");
  EXPECT_EQ(ZoneText(-5.5), "UT + 5.5 h");
}

}  // namespace
}  // namespace jovi
