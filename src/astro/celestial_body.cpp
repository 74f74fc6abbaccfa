#include "astro/celestial_body.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation_precession.h"
#include "util/real.h"

namespace jovi {

void CelestialBody::SetHeader(PositionRec& pos, Real jd) const {
  pos.Kind = Kind;
  pos.Reserved = 0;
  pos.Frame = kEclipticOfDate;
  pos.Epoch = jd;
}

void CelestialBody::RectangularJ2000(Real jd, std::array<Real, 3>& xyz) {
  PositionRec pos;
  Real r = 0;
  HeliocentricPosition(jd, pos, r);
  const Real d = r * kKilometresPerAU;
  const Real colatitude = kPi / 2 - pos.Latitude;
  const Real longitude = pos.Longitude - GeneralPrecession(jd);
  xyz = {d * std::sin(colatitude) * std::cos(longitude),
         d * std::sin(colatitude) * std::sin(longitude), d * std::cos(colatitude)};
}

}  // namespace jovi
