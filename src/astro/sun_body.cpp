#include "astro/sun_body.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/sun_series.h"
#include "astro/time_scales.h"
#include "util/real.h"
#include "util/trig.h"

namespace jovi {

namespace {

// The first `count` terms of the table (never more than it holds).
std::size_t Terms(std::int32_t count) {
  return std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), kSunSeriesTerms);
}

Real Argument(const SunSeriesTerm& term, Real U) {
  return static_cast<Real>(term.Phase) + static_cast<Real>(term.Frequency) * U;
}

}  // namespace

Real SunLongitude(const SunBody& sun, Real jd) {
  const Real U = TenMillenniaSinceJ2000(jd);
  Real sum = 0;
  for (std::size_t n = 0; n < Terms(sun.LongitudeTerms); ++n) {
    const SunSeriesTerm& term = kSunSeries[n];
    sum += static_cast<Real>(term.Longitude) * Sin(Argument(term, U));
  }
  Real lambda = 4.9353929_r + 62833.196168_r * U + 1.0e-7_r * sum;
  if (sun.Kind == kApparent) {
    const Real aberration = (17.0_r * std::cos(3.10_r + 62830.14_r * U) - 993.0_r) * 1.0e-7_r;
    lambda += NutationInLongitude(jd) + aberration;
  }
  return ReduceToTwoPi(lambda);
}

Real SunRadius(const SunBody& sun, Real jd) {
  const Real U = TenMillenniaSinceJ2000(jd);
  Real sum = 0;
  for (std::size_t n = 0; n < Terms(sun.RadiusTerms); ++n) {
    const SunSeriesTerm& term = kSunSeries[n];
    if (term.Radius == 0.0f) continue;
    sum += static_cast<Real>(term.Radius) * Cos(Argument(term, U));
  }
  return 1.0001026_r + 1.0e-7_r * sum;
}

void SunBody::HeliocentricPosition(Real jd, PositionRec& pos, Real& r) {
  SetHeader(pos, jd);
  pos.Latitude = 0;
  pos.Longitude = 0;
  r = 0;
}

void SunBody::GeocentricPosition(Real jd, PositionRec& pos, Real& dist) {
  SetHeader(pos, jd);
  pos.Latitude = 0;
  pos.Longitude = SunLongitude(*this, jd);
  dist = SunRadius(*this, jd);
}

}  // namespace jovi
