// The instant a quantity crosses zero, by bisection: for tests that put an event on either
// side of a limit.
#pragma once

#include <functional>

#include "util/real.h"

namespace jovi::test {

// The instant in [a, b] where f changes sign, to a millisecond (f of a and of b differ in sign).
inline Real Crossing(Real a, Real b,
                            const std::function<Real(Real)>& f) {
  const bool a_negative = f(a) < 0;
  for (int i = 0; i < 60 && b - a > 1e-8_r; ++i) {
    const Real m = (a + b) / 2;
    ((f(m) < 0) == a_negative ? a : b) = m;
  }
  return (a + b) / 2;
}

}  // namespace jovi::test
