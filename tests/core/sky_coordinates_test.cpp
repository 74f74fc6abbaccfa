// The sky's coordinates against published figures: Meeus's worked examples for the obliquity,
// sidereal time, altitude and azimuth, and the refraction; JPL Horizons for Jupiter's apparent
// right ascension and declination and its altitude and azimuth.
#include "sky/sky_coordinates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "sky/sky_ephemeris.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kDeg = kRadiansPerDegree;
constexpr Real kArcsec = kRadiansPerArcsecond;

Real Hms(Real h, Real m, Real s) { return h + m / 60 + s / 3600; }
Real Dms(Real d, Real m, Real s) {
  const Real sign = d < 0 ? -1 : 1;
  return sign * (std::fabs(d) + m / 60 + s / 3600);
}
// Seconds of time between two angles given in radians, (-12 h, 12 h].
Real TimeSecondsBetween(Real a, Real b) {
  return std::remainder(a - b, kTwoPi) / kTwoPi * 86400;
}

// Meeus, Astronomical Algorithms (2nd ed., 1998), Example 12.a: 1987 April 10, 0h UT.
TEST(SkyCoordinates, SiderealTimeOfMeeusExample12a) {
  const Real jd = 2446895.5_r;
  EXPECT_NEAR(TimeSecondsBetween(GreenwichMeanSiderealTime(jd), Hms(13, 10, 46.3668_r) * 15 * kDeg),
              0, 0.0005);
  // The apparent time there: 13h10m46.1351s, from the full nutation (Delta psi -3.788");
  // the program's two leading terms come within a few hundredths of a second.
  EXPECT_NEAR(
      TimeSecondsBetween(GreenwichApparentSiderealTime(jd), Hms(13, 10, 46.1351_r) * 15 * kDeg), 0,
      0.03);
}

// Example 12.b: 1987 April 10, 19h21m00s UT, mean sidereal time 8h34m57.0896s.
TEST(SkyCoordinates, SiderealTimeOfMeeusExample12b) {
  const Real jd = 2446896.30625_r;
  EXPECT_NEAR(TimeSecondsBetween(GreenwichMeanSiderealTime(jd), Hms(8, 34, 57.0896_r) * 15 * kDeg),
              0, 0.0005);
}

// Example 22.a: 1987 April 10, 0h TD: eps0 = 23deg26'27.407", Delta eps = +9.443",
// eps = 23deg26'36.850".
TEST(SkyCoordinates, ObliquityOfMeeusExample22a) {
  const Real jde = 2446895.5_r;
  EXPECT_NEAR((MeanObliquity(jde) - Dms(23, 26, 27.407_r) * kDeg) / kArcsec, 0, 0.001);
  EXPECT_NEAR(NutationInObliquity(jde) / kArcsec, 9.443, 0.5);  // two terms of the series
  EXPECT_NEAR((TrueObliquity(jde) - Dms(23, 26, 36.850_r) * kDeg) / kArcsec, 0, 0.5);
}

// Example 13.b: Venus from the US Naval Observatory (38deg55'17" N, 77deg03'56" W) on
// 1987 April 10 at 19h21m00s UT: alpha 23h09m16.641s, delta -6deg43'11.61"; apparent sidereal
// time at Greenwich 8h34m56.853s; hour angle 64.352133deg; azimuth 68.0337deg from the south
// (248.0337deg from the north), altitude 15.1249deg.
TEST(SkyCoordinates, AltitudeAndAzimuthOfMeeusExample13b) {
  const Real jd = 2446896.30625_r;
  EXPECT_NEAR(
      TimeSecondsBetween(GreenwichApparentSiderealTime(jd), Hms(8, 34, 56.853_r) * 15 * kDeg), 0,
      0.03);
  const Real lst =
      LocalSiderealTime(Hms(8, 34, 56.853_r) * 15 * kDeg, -Dms(77, 3, 56) * kDeg);
  const Real ra = Hms(23, 9, 16.641_r) * 15 * kDeg;
  const Real h = HourAngle(lst, ra);
  EXPECT_NEAR(h / kDeg, 64.352133, 0.0002);  // the book's sidereal time is rounded to 1 ms
  const Horizontal sky =
      HorizonFromEquatorial(h, Dms(-6, 43, 11.61_r) * kDeg, Dms(38, 55, 17) * kDeg);
  EXPECT_NEAR(sky.azimuth / kDeg, 248.0337, 0.0002);  // to the rounding of the inputs
  EXPECT_NEAR(sky.altitude / kDeg, 15.1249, 0.0001);
}

TEST(SkyCoordinates, AzimuthCountsFromTheNorthThroughTheEast) {
  const Real lat = 50 * kDeg;
  // On the meridian: south of the zenith at azimuth 180, north of it at 0.
  EXPECT_NEAR(HorizonFromEquatorial(0, 10 * kDeg, lat).azimuth / kDeg, 180, 1e-9);
  EXPECT_NEAR(HorizonFromEquatorial(0, 80 * kDeg, lat).azimuth / kDeg, 0, 1e-9);
  // East of the meridian (negative hour angle) the azimuth is below 180.
  const Horizontal east = HorizonFromEquatorial(-90 * kDeg, 0, lat);
  EXPECT_NEAR(east.azimuth / kDeg, 90, 1e-9);
  EXPECT_NEAR(east.altitude / kDeg, 0, 1e-9);
  EXPECT_NEAR(HorizonFromEquatorial(90 * kDeg, 0, lat).azimuth / kDeg, 270, 1e-9);
}

TEST(SkyCoordinates, EclipticToEquatorialOfMeeusExample13a) {
  // Example 13.a, Pollux: lambda 113.215630deg, beta 6.684170deg, eps 23.4392911deg give
  // alpha 116.328942deg, delta 28.026183deg.
  const Equatorial e =
      EclipticToEquatorial(113.215630_r * kDeg, 6.684170_r * kDeg, 23.4392911_r * kDeg);
  EXPECT_NEAR(e.ra / kDeg, 116.328942, 1e-6);
  EXPECT_NEAR(e.dec / kDeg, 28.026183, 1e-6);
}

TEST(SkyCoordinates, StandardRefraction) {
  // 34' at the horizon seen: the true altitude -34' (-0.5667deg) appears at 0 within 1'.
  EXPECT_NEAR(ApparentAltitude(-0.5667_r * kDeg) / kDeg * 60, 0, 1.0);
  // About 29' for a true altitude of 0, 5.4' at 10deg, 1' at 45deg, none at the zenith.
  EXPECT_NEAR(Refraction(0) / kDeg * 60, 28.98, 0.02);
  EXPECT_NEAR(Refraction(10 * kDeg) / kDeg * 60, 5.41, 0.02);
  EXPECT_NEAR(Refraction(45 * kDeg) / kDeg * 60, 1.0, 0.05);
  EXPECT_NEAR(Refraction(90 * kDeg), 0, 1e-9);
  // Continuous and increasing apparent altitude from the nadir to the zenith.
  Real previous = ApparentAltitude(-90 * kDeg);
  for (Real h = -90; h <= 90; h += 0.01_r) {
    const Real apparent = ApparentAltitude(h * kDeg);
    EXPECT_GT(apparent, previous - 1e-15) << h;
    EXPECT_LT(apparent - previous, 0.02_r * kDeg) << h;
    EXPECT_GE(Refraction(h * kDeg), 0) << h;
    previous = apparent;
  }
}

// JPL Horizons (DE431 / JUP341), Jupiter from a site at 81deg W, 29deg N, 10 m (the
// "airless_Jupiter.txt" table that Astronomy Engine's authors generated from Horizons and
// publish with its sources): apparent right ascension and declination of date, airless
// azimuth and elevation, at 0h UT.
struct HorizonsRow {
  int year, month, day;
  double ra_deg, dec_deg, azimuth_deg, elevation_deg;
};
constexpr HorizonsRow kHorizons[] = {
    {1992, 12, 14, 191.10688, -3.43403, 339.4520, -62.9842},
    {1993, 6, 2, 184.93406, -0.58105, 150.7577, 56.9309},
    {1994, 7, 17, 213.19715, -12.16104, 180.5890, 48.8372},
    {1996, 9, 14, 278.71254, -23.39915, 172.5448, 37.2328},
    {1997, 10, 29, 315.54543, -17.87124, 181.0671, 43.1221},
    {2021, 11, 2, 325.41754, -15.00179, 173.1671, 45.7409},
    {2022, 7, 20, 8.43543, 2.13199, 45.9239, -48.7089},
    {2023, 1, 6, 2.18147, -0.43528, 219.5835, 53.7509},
    {2024, 1, 21, 34.37038, 12.60419, 195.2298, 73.0799},
    {2025, 6, 4, 88.55481, 23.25797, 287.7576, 16.7083},
};

TEST(SkyEphemeris, JupiterAgainstJplHorizons) {
  test::RecordingPrompter messages;
  SkyEphemeris sky(&messages);
  const ObserverPlace site{29, -81, 10, ""};
  for (const HorizonsRow& row : kHorizons) {
    const Real jd = test::CivilJD(row.year, row.month, row.day);
    const auto e = sky.Apparent(SkyBody::Jupiter, jd);
    ASSERT_TRUE(e) << row.year;
    const Real d_ra =
        std::remainder(e->ra / kDeg - row.ra_deg, 360.0_r) * 3600 * std::cos(row.dec_deg * kDeg);
    const Real d_dec = (e->dec / kDeg - row.dec_deg) * 3600;
    const auto p = sky.Where(SkyBody::Jupiter, site, jd);
    ASSERT_TRUE(p);
    const Real d_az = std::remainder(p->azimuth_deg - row.azimuth_deg, 360.0_r) * 3600 *
                             std::cos(row.elevation_deg * kDeg);
    const Real d_el = (p->true_altitude_deg - row.elevation_deg) * 3600;
    // The program's theory: VSOP87 fitted per five-year block, the Sun from 50 terms,
    // aberration and nutation from the leading terms; Horizons's places are for the site
    // (Jupiter's parallax is under 2") and UT1, not UTC.
    EXPECT_LT(std::fabs(d_ra), 4) << row.year;
    EXPECT_LT(std::fabs(d_dec), 4) << row.year;
    EXPECT_LT(std::fabs(d_az), 20) << row.year;
    EXPECT_LT(std::fabs(d_el), 20) << row.year;
  }
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace jovi
