// The common base of the Sun and the planets: a body of a given kind with its virtual
// operations in a fixed order.
#pragma once

#include <array>
#include <cstdint>

#include "astro/position_rec.h"
#include "util/real.h"

namespace jovi {

// Kilometres in one astronomical unit.
inline constexpr Real kKilometresPerAU = 149597870.66_r;

class CelestialBody {
 public:
  explicit CelestialBody(std::uint8_t kind) : Kind(kind) {}

  // Slot 0, Done: a body holds nothing to release.
  virtual ~CelestialBody() = default;
  // Slot 1: heliocentric ecliptic position of date at jd; r in AU.
  virtual void HeliocentricPosition(Real jd, PositionRec& pos, Real& r) = 0;
  // Slot 2: geocentric ecliptic position of date at jd; dist in AU.
  virtual void GeocentricPosition(Real jd, PositionRec& pos, Real& dist) = 0;
  // Slot 3: heliocentric rectangular coordinates in km, longitude referred to the equinox of
  // J2000 by removing the general precession (the ecliptic of date is kept).
  virtual void RectangularJ2000(Real jd, std::array<Real, 3>& xyz);

  std::uint8_t Kind;
  std::uint8_t Reserved = 0;
  std::uint8_t Frame = kEclipticOfDate;

 protected:
  CelestialBody(const CelestialBody&) = default;
  CelestialBody& operator=(const CelestialBody&) = default;

  // Fills the epoch fields of a position computed by this body.
  void SetHeader(PositionRec& pos, Real jd) const;
};

}  // namespace jovi
