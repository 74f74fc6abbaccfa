// Jupiter's mass from a fitted period and radius: the help topic's worked figures, and Io's
// published orbit against the accepted mass.
#include "analysis/jupiter_mass.h"

#include <gtest/gtest.h>

#include <limits>

namespace jovi {
namespace {

TEST(JupiterMass, TheHelpTopicsWorkedFiguresAndIosPublishedOrbit) {
  const struct {
    const char* name;
    Real period_days;
    Real radius_diameters;
    Real mass_kg;
    Real tolerance_kg;
  } cases[] = {
      // The help topic's table (three significant digits after the point).
      {"Io, worked example", 1.769_r, 2.95_r, 1.900e27_r, 0.001e27_r},
      {"Europa", 3.551_r, 4.70_r, 1.907e27_r, 0.001e27_r},
      {"Ganymede", 7.155_r, 7.50_r, 1.909e27_r, 0.001e27_r},
      {"Callisto, east of Jupiter", 16.69_r, -13.18_r, 1.904e27_r, 0.001e27_r},
      // Io's sidereal period 1.769137786 d and semi-major axis 421 700 km (JPL's satellite mean
      // elements) give the accepted 1.8982e27 kg (GM 126 686 534 km^3 s^-2 over G) within the
      // rounding of G and of Io's own mass.
      {"Io, published orbit", 1.769137786_r, 421700.0_r / 142984.0_r, 1.8982e27_r, 0.002e27_r},
  };
  for (const auto& c : cases) {
    const std::optional<Real> mass = JupiterMassKg(c.period_days, c.radius_diameters);
    ASSERT_TRUE(mass.has_value()) << c.name;
    EXPECT_NEAR(static_cast<double>(*mass), static_cast<double>(c.mass_kg),
                static_cast<double>(c.tolerance_kg))
        << c.name;
  }
}

TEST(JupiterMass, NoMassWithoutAPositiveFinitePeriodAndRadius) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real inf = std::numeric_limits<Real>::infinity();
  for (const auto& [period, radius] : {std::pair{0.0_r, 2.95_r}, std::pair{-1.769_r, 2.95_r},
                                       std::pair{1.769_r, 0.0_r}, std::pair{nan, 2.95_r},
                                       std::pair{1.769_r, inf}}) {
    EXPECT_FALSE(JupiterMassKg(period, radius).has_value()) << period << " " << radius;
  }
}

}  // namespace
}  // namespace jovi
