// One record of the outer-planet coefficient file: a planet's heliocentric longitude, latitude
// and radius vector over five calendar years as polynomials of degree 6 in
// t = (MJD - start MJD) / 2000, in the ecliptic and equinox of date.
#pragma once

#include <array>
#include <cstddef>

#include "util/le_codec.h"
#include "util/real.h"

namespace jovi {

inline constexpr std::size_t kCoefficientCount = 7;  // c0..c6
inline constexpr std::size_t kCoefficientBlockBytes = 88;
inline constexpr Real kMJDOrigin = 2400000.5_r;  // MJD = JD - 2400000.5
inline constexpr Real kDaysPerTimeUnit = 2000.0_r;

using Coefficients = std::array<float, kCoefficientCount>;

struct CoefficientBlock {
  float StartMJD = 0;        // the block's first instant, dynamical time
  Coefficients Longitude{};  // radians
  Coefficients Latitude{};   // radians
  Coefficients Radius{};     // AU
};

// Field by field, little-endian: the start, then the three sets of c0..c6 (88 bytes).
void WriteCoefficientBlock(LeWriter& out, const CoefficientBlock& block);
CoefficientBlock ReadCoefficientBlock(LeReader& in);

// c0 + c1 t + ... + c6 t^6, by Horner's rule from c6 down.
Real EvaluateCoefficients(const Coefficients& c, Real t);

// The polynomial argument of an instant (dynamical JD) in a block.
Real BlockTimeArgument(const CoefficientBlock& block, Real jde);

}  // namespace jovi
