#include "astro/sun_body.h"

#include <gtest/gtest.h>

#include <array>

#include "astro/angles.h"
#include "ephemeris_test_support.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::ArcsecondsBetween;

// Meeus, Astronomical Algorithms, worked example for 1992 October 13.0 TD, from the full
// VSOP87 with FK5, nutation and aberration. The 50-term series keeps within a few arcseconds.
TEST(SunSeries, MatchesAWorkedExample) {
  const Real jde = 2448908.5_r;
  const Real apparent = (199.0_r + 54.0_r / 60 + 21.818_r / 3600) * kRadiansPerDegree;
  EXPECT_NEAR(
      static_cast<double>(ArcsecondsBetween(SunLongitude(SunBody(kApparent), jde), apparent)), 0.0,
      3.0);
  EXPECT_NEAR(static_cast<double>(SunRadius(SunBody(kGeometric), jde)), 0.99760775, 2e-6);
}

// The apparent longitude is the geometric one plus nutation plus the aberration term, about
// -20.5" and within 17e-7 rad of -993e-7, on either side of the equinox where the geometric
// longitude wraps.
TEST(SunSeries, ApparentLongitudeAddsNutationAndAberration) {
  struct Case {
    const char* name;
    Real jde;
  };
  const Case cases[] = {
      {"year -3000", 625673.5_r},
      {"year 100", 1757641.5_r},
      {"1600", 2305447.5_r},
      {"J2000.0", 2451545.0_r},
      {"2000 March equinox, before", 2451623.80_r},
      {"2000 March equinox, after", 2451623.83_r},
      {"2790", 2740000.5_r},
  };
  for (const Case& c : cases) {
    const Real geometric = SunLongitude(SunBody(kGeometric), c.jde);
    const Real apparent = SunLongitude(SunBody(kApparent), c.jde);
    for (Real lambda : {geometric, apparent}) {
      EXPECT_GE(lambda, 0.0_r) << c.name;
      EXPECT_LT(lambda, kTwoPi) << c.name;
    }
    const Real aberration =
        ArcsecondsBetween(apparent, geometric) * kRadiansPerArcsecond - NutationInLongitude(c.jde);
    EXPECT_GE(aberration, -1010e-7_r) << c.name;
    EXPECT_LE(aberration, -976e-7_r) << c.name;
  }
}

TEST(SunSeries, GeocentricPositionIsTheSeries) {
  const Real jde = 2460000.5_r;
  SunBody sun(kApparent);
  PositionRec pos;
  Real dist = 0;
  sun.GeocentricPosition(jde, pos, dist);
  EXPECT_EQ(pos.Kind, kApparent);
  EXPECT_EQ(pos.Frame, kEclipticOfDate);
  EXPECT_EQ(pos.Epoch, jde);
  EXPECT_EQ(pos.Latitude, 0.0_r);
  EXPECT_EQ(pos.Longitude, SunLongitude(sun, jde));
  EXPECT_EQ(dist, SunRadius(sun, jde));

  Real r = 1;
  sun.HeliocentricPosition(jde, pos, r);
  EXPECT_EQ(pos.Longitude, 0.0_r);
  EXPECT_EQ(pos.Latitude, 0.0_r);
  EXPECT_EQ(r, 0.0_r);
  std::array<Real, 3> xyz{1, 1, 1};
  sun.RectangularJ2000(jde, xyz);
  EXPECT_EQ(xyz, (std::array<Real, 3>{0, 0, 0}));
}

// Nutation: Meeus' worked example for 1987 April 10, 0h TD, -3.788" from the full series, which the
// two leading terms follow to a fraction of an arcsecond. Precession: 5029.0966" per century.
TEST(EarthOrientation, NutationAndPrecession) {
  EXPECT_NEAR(static_cast<double>(NutationInLongitude(2446895.5_r) / kRadiansPerArcsecond), -3.788,
              0.6);
  EXPECT_EQ(GeneralPrecession(2451545.0_r), 0.0_r);
  EXPECT_NEAR(static_cast<double>(GeneralPrecession(2451545.0_r + 36525.0_r) / kRadiansPerArcsecond),
              5029.0966 + 1.111971, 1e-3);
  EXPECT_NEAR(static_cast<double>(GeneralPrecession(2451545.0_r - 36525.0_r) / kRadiansPerArcsecond),
              -5029.0966 + 1.111971, 1e-3);
}

}  // namespace
}  // namespace jovi
