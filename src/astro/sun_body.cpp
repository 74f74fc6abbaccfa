#include "astro/sun_body.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/sun_series.h"
#include "astro/time_scales.h"
#include "util/trig.h"

namespace jovi {

namespace {

// The first `count` terms of the table (never more than it holds).
std::size_t Terms(std::int32_t count) {
  return std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), kSunSeriesTerms);
}

long double Argument(const SunSeriesTerm& term, long double U) {
  return static_cast<long double>(term.Phase) + static_cast<long double>(term.Frequency) * U;
}

}  // namespace

long double SunLongitude(const SunBody& sun, long double jd) {
  const long double U = TenMillenniaSinceJ2000(jd);
  long double sum = 0;
  for (std::size_t n = 0; n < Terms(sun.LongitudeTerms); ++n) {
    const SunSeriesTerm& term = kSunSeries[n];
    sum += static_cast<long double>(term.Longitude) * Sin(Argument(term, U));
  }
  long double lambda = 4.9353929L + 62833.196168L * U + 1.0e-7L * sum;
  if (sun.Kind == kApparent) {
    const long double aberration = (17.0L * std::cos(3.10L + 62830.14L * U) - 993.0L) * 1.0e-7L;
    lambda += NutationInLongitude(jd) + aberration;
  }
  return ReduceToTwoPi(lambda);
}

long double SunRadius(const SunBody& sun, long double jd) {
  const long double U = TenMillenniaSinceJ2000(jd);
  long double sum = 0;
  for (std::size_t n = 0; n < Terms(sun.RadiusTerms); ++n) {
    const SunSeriesTerm& term = kSunSeries[n];
    if (term.Radius == 0.0f) continue;
    sum += static_cast<long double>(term.Radius) * Cos(Argument(term, U));
  }
  return 1.0001026L + 1.0e-7L * sum;
}

void SunBody::HeliocentricPosition(long double jd, PositionRec& pos, long double& r) {
  SetHeader(pos, jd);
  pos.Latitude = 0;
  pos.Longitude = 0;
  r = 0;
}

void SunBody::GeocentricPosition(long double jd, PositionRec& pos, long double& dist) {
  SetHeader(pos, jd);
  pos.Latitude = 0;
  pos.Longitude = SunLongitude(*this, jd);
  dist = SunRadius(*this, jd);
}

}  // namespace jovi
