// The 50 periodic terms of the Sun's geocentric longitude and distance (P. Bretagnon and
// J.-L. Simon, 1986). The table is compiled in from data/reference/sun-series-bretagnon-simon.csv
// by the build, never typed here.
#pragma once

#include <array>
#include <cstddef>

namespace jovi {

struct SunSeriesTerm {
  float Longitude;   // amplitude l_n in 1e-7 rad
  float Radius;      // amplitude r_n in 1e-7 AU
  float Phase;       // alpha_n, rad
  double Frequency;  // nu_n, rad per 10 000 Julian years
};

inline constexpr std::size_t kSunSeriesTerms = 50;

extern const std::array<SunSeriesTerm, kSunSeriesTerms> kSunSeries;

}  // namespace jovi
