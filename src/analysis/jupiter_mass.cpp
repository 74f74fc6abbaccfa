#include "analysis/jupiter_mass.h"

#include <cmath>
#include <numbers>

namespace jovi {

std::optional<Real> JupiterMassKg(Real period_days, Real radius_diameters) {
  const Real radius = std::fabs(radius_diameters);
  if (!std::isfinite(period_days) || !std::isfinite(radius) || period_days <= 0 || radius <= 0) {
    return std::nullopt;
  }
  const Real a = radius * kJupiterEquatorialDiameterKm * 1000;  // metres
  const Real t = period_days * 86400;                           // seconds
  const Real four_pi_squared = 4 * std::numbers::pi_v<Real> * std::numbers::pi_v<Real>;
  const Real mass = four_pi_squared * a * a * a / (kGravitationalConstant * t * t);
  if (!std::isfinite(mass)) return std::nullopt;
  return mass;
}

}  // namespace jovi
