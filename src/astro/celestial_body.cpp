#include "astro/celestial_body.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/nutation_precession.h"

namespace jovi {

void CelestialBody::SetHeader(PositionRec& pos, long double jd) const {
  pos.Kind = Kind;
  pos.Reserved = 0;
  pos.Frame = kEclipticOfDate;
  pos.Epoch = jd;
}

void CelestialBody::RectangularJ2000(long double jd, std::array<long double, 3>& xyz) {
  PositionRec pos;
  long double r = 0;
  HeliocentricPosition(jd, pos, r);
  const long double d = r * kKilometresPerAU;
  const long double colatitude = kPi / 2 - pos.Latitude;
  const long double longitude = pos.Longitude - GeneralPrecession(jd);
  xyz = {d * std::sin(colatitude) * std::cos(longitude),
         d * std::sin(colatitude) * std::sin(longitude), d * std::cos(colatitude)};
}

}  // namespace jovi
