// Sine and cosine of long double arguments, to the full precision of the type, fast for the
// large arguments of periodic series (thousands of radians).
//
// The C library reduces every long double argument beyond pi/4 with its multi-precision method,
// which costs far more than the sine itself. Here arguments below about 2.6e7 rad are reduced by
// subtracting the nearest multiple of pi/2 in three exact-product parts (Cody and Waite), then
// a Taylor series on [-pi/4, pi/4] gives the result; larger ones go to the library.
#pragma once

namespace jovi {

// Each result depends on the argument alone, so the compiler may reuse one for a repeated call
// (rotations ask for the same angle's sine and cosine several times).
[[gnu::const]] long double Sin(long double x);
[[gnu::const]] long double Cos(long double x);
void SinCos(long double x, long double& sine, long double& cosine);

}  // namespace jovi
