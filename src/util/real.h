// The one real-number type of the astronomy: the 80-bit extended type where the platform has
// it (x86-64), `double` where `long double` is something else (WebAssembly's software quad is
// many times slower and buys nothing the program shows). Literals are written `0.1_r` and
// printf formats use JOVI_REAL_LEN as their length modifier ("%.5" JOVI_REAL_LEN "f"), so that
// both follow the type.
#pragma once

#include <cfloat>

namespace jovi {

#if LDBL_MANT_DIG == 64
using Real = long double;
#define JOVI_REAL_LEN "L"
inline constexpr bool kRealIsExtended = true;
#else
using Real = double;
#define JOVI_REAL_LEN ""
inline constexpr bool kRealIsExtended = false;
#endif

}  // namespace jovi

// A decimal literal of the real type: read at full extended precision by the compiler, then
// rounded once to Real.
constexpr jovi::Real operator""_r(long double v) { return static_cast<jovi::Real>(v); }
constexpr jovi::Real operator""_r(unsigned long long v) { return static_cast<jovi::Real>(v); }
