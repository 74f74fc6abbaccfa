// A position on the sky or in the solar system, with its epoch.
#pragma once

#include <cstdint>

#include "util/real.h"

namespace jovi {

// Kinds of body: what a position includes.
inline constexpr std::uint8_t kGeometric = 0;  // no nutation, no aberration
inline constexpr std::uint8_t kApparent = 1;   // nutation and aberration applied

// Every position is ecliptic, referred to the equinox of date.
inline constexpr std::uint8_t kEclipticOfDate = 2;

// Angles in radians. The distance that goes with a position travels beside it.
struct PositionRec {
  std::uint8_t Kind = kGeometric;  // copied from the body
  std::uint8_t Reserved = 0;
  std::uint8_t Frame = kEclipticOfDate;
  Real Epoch = 0;  // Julian date
  Real Latitude = 0;
  Real Longitude = 0;
};

}  // namespace jovi
