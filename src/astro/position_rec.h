// A position on the sky or in the solar system, with its epoch.
#pragma once

#include <cstdint>

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
  long double Epoch = 0;  // Julian date
  long double Latitude = 0;
  long double Longitude = 0;
};

}  // namespace jovi
