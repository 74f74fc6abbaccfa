#include "sky/sky_coordinates.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/nutation_precession.h"
#include "astro/time_scales.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kJ2000 = 2451545.0_r;
constexpr Real kDaysPerCentury = 36525.0_r;
constexpr Real kRadiansPerArcminute = kRadiansPerDegree / 60;

// (-pi, pi].
Real WithinHalfTurn(Real a) {
  a = ReduceToTwoPi(a);
  return a > kPi ? a - kTwoPi : a;
}

}  // namespace

Real MeanObliquity(Real jde) {
  const Real T = (jde - kJ2000) / kDaysPerCentury;
  const Real arcseconds = 84381.448_r + T * (-46.8150_r + T * (-0.00059_r + T * 0.001813_r));
  return arcseconds * kRadiansPerArcsecond;
}

Real NutationInObliquity(Real jde) {
  // The arguments of astro/nutation_precession.cpp's two terms: the longitude of the Moon's
  // node and twice the Sun's mean longitude, U in ten thousands of Julian years.
  const Real U = TenMillenniaSinceJ2000(jde);
  return (446.0_r * std::cos(2.18_r - 3375.70_r * U + 0.36_r * U * U) +
          28.0_r * std::cos(3.51_r + 125666.39_r * U + 0.10_r * U * U)) *
         1.0e-7_r;
}

Real TrueObliquity(Real jde) { return MeanObliquity(jde) + NutationInObliquity(jde); }

Equatorial EclipticToEquatorial(Real longitude, Real latitude, Real eps) {
  const Real sl = std::sin(longitude), cl = std::cos(longitude);
  const Real sb = std::sin(latitude), cb = std::cos(latitude);
  const Real se = std::sin(eps), ce = std::cos(eps);
  Equatorial e;
  e.ra = ReduceToTwoPi(std::atan2(sl * ce * cb - sb * se, cl * cb));
  e.dec = std::asin(std::clamp(sb * ce + cb * se * sl, -1.0_r, 1.0_r));
  return e;
}

Real GreenwichMeanSiderealTime(Real jd_ut) {
  const Real d = jd_ut - kJ2000;
  const Real T = d / kDaysPerCentury;
  // The whole turns of the day count leave the sum first, so the fraction keeps its digits.
  const Real turns = 360.98564736629_r * d / 360.0_r;
  const Real fraction = turns - std::floor(turns);
  const Real degrees =
      280.46061837_r + 360.0_r * fraction + T * T * (0.000387933_r - T / 38710000.0_r);
  return ReduceToTwoPi(degrees * kRadiansPerDegree);
}

Real GreenwichApparentSiderealTime(Real jd_ut) {
  const Real jde = TDTFromUT(jd_ut);
  return ReduceToTwoPi(GreenwichMeanSiderealTime(jd_ut) +
                       NutationInLongitude(jde) * std::cos(TrueObliquity(jde)));
}

Real LocalSiderealTime(Real greenwich_sidereal_time, Real east_longitude) {
  return ReduceToTwoPi(greenwich_sidereal_time + east_longitude);
}

Real HourAngle(Real local_sidereal_time, Real ra) {
  return WithinHalfTurn(local_sidereal_time - ra);
}

Horizontal HorizonFromEquatorial(Real hour_angle, Real dec, Real latitude) {
  const Real sp = std::sin(latitude), cp = std::cos(latitude);
  const Real sd = std::sin(dec), cd = std::cos(dec);
  const Real ch = std::cos(hour_angle), sh = std::sin(hour_angle);
  Horizontal h;
  h.altitude = std::asin(std::clamp(sp * sd + cp * cd * ch, -1.0_r, 1.0_r));
  // North and east components of the direction on the horizon plane.
  const Real north = cp * sd - sp * cd * ch;
  const Real east = -cd * sh;
  h.azimuth = (north == 0 && east == 0) ? 0 : ReduceToTwoPi(std::atan2(east, north));
  return h;
}

Real Refraction(Real true_altitude) {
  auto saemundsson = [](Real h_deg) {
    const Real arcminutes =
        1.02_r / std::tan((h_deg + 10.3_r / (h_deg + 5.11_r)) * kRadiansPerDegree) + 0.0019279_r;
    return arcminutes * kRadiansPerArcminute;
  };
  const Real h_deg = true_altitude / kRadiansPerDegree;
  if (h_deg >= 90) return 0;
  if (h_deg >= -1) return std::max(saemundsson(h_deg), 0.0_r);
  if (h_deg <= -90) return 0;
  return saemundsson(-1) * (h_deg + 90) / 89;
}

Real ApparentAltitude(Real true_altitude) {
  return true_altitude + Refraction(true_altitude);
}

}  // namespace jovi
