#include "astro/angles.h"

#include <cmath>

#include "util/real.h"

namespace jovi {

Real ReduceToTwoPi(Real x) {
  Real r = std::fmod(x, kTwoPi);
  if (r < 0) r += kTwoPi;
  // A tiny negative remainder plus 2pi can round up to 2pi itself.
  if (r >= kTwoPi) r -= kTwoPi;
  return r;
}

}  // namespace jovi
