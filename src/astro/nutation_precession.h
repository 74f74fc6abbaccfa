// Nutation in longitude and general precession (P. Bretagnon and J.-L. Simon, Planetary
// Programs and Tables from -4000 to +2800, 1986). jd is a dynamical Julian date.
#pragma once

namespace jovi {

// Delta psi in radians, from the two leading terms.
long double NutationInLongitude(long double jd);

// General precession in longitude since J2000.0, radians.
long double GeneralPrecession(long double jd);

}  // namespace jovi
