// Nutation in longitude and general precession (P. Bretagnon and J.-L. Simon, Planetary
// Programs and Tables from -4000 to +2800, 1986). jd is a dynamical Julian date.
#pragma once

#include "util/real.h"

namespace jovi {

// Delta psi in radians, from the two leading terms.
Real NutationInLongitude(Real jd);

// General precession in longitude since J2000.0, radians.
Real GeneralPrecession(Real jd);

}  // namespace jovi
