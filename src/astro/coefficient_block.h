// One record of the outer-planet coefficient file: a planet's heliocentric longitude, latitude
// and radius vector over five calendar years as polynomials of degree 6 in
// t = (MJD - start MJD) / 2000, in the ecliptic and equinox of date.
#pragma once

#include <array>
#include <cstddef>

#include "util/le_codec.h"

namespace jovi {

inline constexpr std::size_t kCoefficientCount = 7;  // c0..c6
inline constexpr std::size_t kCoefficientBlockBytes = 88;
inline constexpr long double kMJDOrigin = 2400000.5L;  // MJD = JD - 2400000.5
inline constexpr long double kDaysPerTimeUnit = 2000.0L;

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
long double EvaluateCoefficients(const Coefficients& c, long double t);

// The polynomial argument of an instant (dynamical JD) in a block.
long double BlockTimeArgument(const CoefficientBlock& block, long double jde);

}  // namespace jovi
