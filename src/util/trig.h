// Sine and cosine of Real arguments, to the full precision of the type, fast for the
// large arguments of periodic series (thousands of radians).
//
// The C library reduces every long double argument beyond pi/4 with its multi-precision method,
// which costs far more than the sine itself. Here arguments below about 2.6e7 rad are reduced by
// subtracting the nearest multiple of pi/2 in three exact-product parts (Cody and Waite), then
// a Taylor series on [-pi/4, pi/4] gives the result; larger ones go to the library. Where Real
// is a double, the library's own functions are fast and are used throughout.
#pragma once

#include "util/real.h"

namespace jovi {

// Each result depends on the argument alone, so the compiler may reuse one for a repeated call
// (rotations ask for the same angle's sine and cosine several times).
[[gnu::const]] Real Sin(Real x);
[[gnu::const]] Real Cos(Real x);
void SinCos(Real x, Real& sine, Real& cosine);

}  // namespace jovi
