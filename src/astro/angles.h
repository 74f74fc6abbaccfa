// Angle constants and reductions shared by the ephemerides.
#pragma once

#include "util/real.h"

namespace jovi {

inline constexpr Real kPi = 3.141592653589793238462643383279502884_r;
inline constexpr Real kTwoPi = 2.0_r * kPi;
inline constexpr Real kRadiansPerDegree = kPi / 180.0_r;
inline constexpr Real kRadiansPerArcsecond = kPi / 648000.0_r;

// x brought into [0, 2pi): the remainder of a truncating division by 2pi, plus 2pi when
// negative. Exact reduction of large arguments, so no whole turns are added one by one.
Real ReduceToTwoPi(Real x);

}  // namespace jovi
