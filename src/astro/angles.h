// Angle constants and reductions shared by the ephemerides.
#pragma once

namespace jovi {

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;
inline constexpr long double kTwoPi = 2.0L * kPi;
inline constexpr long double kRadiansPerDegree = kPi / 180.0L;
inline constexpr long double kRadiansPerArcsecond = kPi / 648000.0L;

// x brought into [0, 2pi): the remainder of a truncating division by 2pi, plus 2pi when
// negative. Exact reduction of large arguments, so no whole turns are added one by one.
long double ReduceToTwoPi(long double x);

}  // namespace jovi
