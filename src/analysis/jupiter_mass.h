// The mass of Jupiter that one moon's fitted curve gives: the period is the moon's orbital period
// and the amplitude its orbit's radius, and the third law of planetary motion in the form the law
// of gravitation gives it, M = 4 pi^2 a^3 / (G T^2), turns them into a mass (the moon's own mass
// left out). The help topic on Jupiter's mass works the same numbers by hand.
#pragma once

#include <optional>

#include "util/real.h"

namespace jovi {

inline constexpr Real kGravitationalConstant = 6.674e-11_r;    // m^3 kg^-1 s^-2
inline constexpr Real kJupiterEquatorialDiameterKm = 142984.0_r;  // twice the 71 492 km radius

// Jupiter's mass in kilograms from a period in days and an orbit radius in Jupiter diameters
// (its sign, east or west, does not count). Nothing when either is zero or not finite.
std::optional<Real> JupiterMassKg(Real period_days, Real radius_diameters);

}  // namespace jovi
