#include "sky/sky_coordinates.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/nutation_precession.h"
#include "astro/time_scales.h"

namespace jovi {

namespace {

constexpr long double kJ2000 = 2451545.0L;
constexpr long double kDaysPerCentury = 36525.0L;
constexpr long double kRadiansPerArcminute = kRadiansPerDegree / 60;

// (-pi, pi].
long double WithinHalfTurn(long double a) {
  a = ReduceToTwoPi(a);
  return a > kPi ? a - kTwoPi : a;
}

}  // namespace

long double MeanObliquity(long double jde) {
  const long double T = (jde - kJ2000) / kDaysPerCentury;
  const long double arcseconds = 84381.448L + T * (-46.8150L + T * (-0.00059L + T * 0.001813L));
  return arcseconds * kRadiansPerArcsecond;
}

long double NutationInObliquity(long double jde) {
  // The arguments of astro/nutation_precession.cpp's two terms: the longitude of the Moon's
  // node and twice the Sun's mean longitude, U in ten thousands of Julian years.
  const long double U = TenMillenniaSinceJ2000(jde);
  return (446.0L * std::cos(2.18L - 3375.70L * U + 0.36L * U * U) +
          28.0L * std::cos(3.51L + 125666.39L * U + 0.10L * U * U)) *
         1.0e-7L;
}

long double TrueObliquity(long double jde) { return MeanObliquity(jde) + NutationInObliquity(jde); }

Equatorial EclipticToEquatorial(long double longitude, long double latitude, long double eps) {
  const long double sl = std::sin(longitude), cl = std::cos(longitude);
  const long double sb = std::sin(latitude), cb = std::cos(latitude);
  const long double se = std::sin(eps), ce = std::cos(eps);
  Equatorial e;
  e.ra = ReduceToTwoPi(std::atan2(sl * ce * cb - sb * se, cl * cb));
  e.dec = std::asin(std::clamp(sb * ce + cb * se * sl, -1.0L, 1.0L));
  return e;
}

long double GreenwichMeanSiderealTime(long double jd_ut) {
  const long double d = jd_ut - kJ2000;
  const long double T = d / kDaysPerCentury;
  // The whole turns of the day count leave the sum first, so the fraction keeps its digits.
  const long double turns = 360.98564736629L * d / 360.0L;
  const long double fraction = turns - std::floor(turns);
  const long double degrees =
      280.46061837L + 360.0L * fraction + T * T * (0.000387933L - T / 38710000.0L);
  return ReduceToTwoPi(degrees * kRadiansPerDegree);
}

long double GreenwichApparentSiderealTime(long double jd_ut) {
  const long double jde = TDTFromUT(jd_ut);
  return ReduceToTwoPi(GreenwichMeanSiderealTime(jd_ut) +
                       NutationInLongitude(jde) * std::cos(TrueObliquity(jde)));
}

long double LocalSiderealTime(long double greenwich_sidereal_time, long double east_longitude) {
  return ReduceToTwoPi(greenwich_sidereal_time + east_longitude);
}

long double HourAngle(long double local_sidereal_time, long double ra) {
  return WithinHalfTurn(local_sidereal_time - ra);
}

Horizontal HorizonFromEquatorial(long double hour_angle, long double dec, long double latitude) {
  const long double sp = std::sin(latitude), cp = std::cos(latitude);
  const long double sd = std::sin(dec), cd = std::cos(dec);
  const long double ch = std::cos(hour_angle), sh = std::sin(hour_angle);
  Horizontal h;
  h.altitude = std::asin(std::clamp(sp * sd + cp * cd * ch, -1.0L, 1.0L));
  // North and east components of the direction on the horizon plane.
  const long double north = cp * sd - sp * cd * ch;
  const long double east = -cd * sh;
  h.azimuth = (north == 0 && east == 0) ? 0 : ReduceToTwoPi(std::atan2(east, north));
  return h;
}

long double Refraction(long double true_altitude) {
  auto saemundsson = [](long double h_deg) {
    const long double arcminutes =
        1.02L / std::tan((h_deg + 10.3L / (h_deg + 5.11L)) * kRadiansPerDegree) + 0.0019279L;
    return arcminutes * kRadiansPerArcminute;
  };
  const long double h_deg = true_altitude / kRadiansPerDegree;
  if (h_deg >= 90) return 0;
  if (h_deg >= -1) return std::max(saemundsson(h_deg), 0.0L);
  if (h_deg <= -90) return 0;
  return saemundsson(-1) * (h_deg + 90) / 89;
}

long double ApparentAltitude(long double true_altitude) {
  return true_altitude + Refraction(true_altitude);
}

}  // namespace jovi
