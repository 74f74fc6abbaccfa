// Longitudes of Jupiter's central meridian in Systems I and II (J. Meeus, Astronomical
// Algorithms, low-accuracy method, light time included).
#pragma once

#include "util/real.h"

namespace jovi {

// At the Julian date jd; both in radians in [0, 2pi).
void CentralMeridians(Real jd, Real& system_i, Real& system_ii);

}  // namespace jovi
