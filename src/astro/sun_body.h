// The Sun seen from the Earth: longitude and distance from the 50-term series of Bretagnon and
// Simon, with nutation and aberration for apparent positions.
#pragma once

#include <cstdint>

#include "astro/celestial_body.h"
#include "astro/nutation_precession.h"
#include "astro/position_rec.h"
#include "util/real.h"

namespace jovi {

class SunBody : public CelestialBody {
 public:
  explicit SunBody(std::uint8_t kind) : CelestialBody(kind) {}

  // The Sun's heliocentric position is the origin: latitude, longitude and r are all 0.
  void HeliocentricPosition(Real jd, PositionRec& pos, Real& r) override;
  // Latitude 0, longitude SunLongitude, dist SunRadius.
  void GeocentricPosition(Real jd, PositionRec& pos, Real& dist) override;

  std::int32_t LongitudeTerms = 50;
  std::int32_t LatitudeTerms = 0;  // the series has no latitude
  std::int32_t RadiusTerms = 50;
};

// The Sun's geocentric ecliptic longitude of date at the dynamical date jd, for the body's kind
// (kApparent adds nutation and aberration), in [0, 2pi).
Real SunLongitude(const SunBody& sun, Real jd);

// The Earth-Sun distance in AU at the dynamical date jd.
Real SunRadius(const SunBody& sun, Real jd);

}  // namespace jovi
