// Longitudes of Jupiter's central meridian in Systems I and II (J. Meeus, Astronomical
// Algorithms, low-accuracy method, light time included).
#pragma once

namespace jovi {

// At the Julian date jd; both in radians in [0, 2pi).
void CentralMeridians(long double jd, long double& system_i, long double& system_ii);

}  // namespace jovi
