#include "astro/angles.h"

#include <cmath>

namespace jovi {

long double ReduceToTwoPi(long double x) {
  long double r = std::fmod(x, kTwoPi);
  if (r < 0) r += kTwoPi;
  // A tiny negative remainder plus 2pi can round up to 2pi itself.
  if (r >= kTwoPi) r -= kTwoPi;
  return r;
}

}  // namespace jovi
