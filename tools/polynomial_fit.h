// Least-squares polynomials over an interval, sampled at Chebyshev nodes.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace jovi::tools {

inline constexpr std::size_t kFitDegree = 6;
using PowerSeries = std::array<long double, kFitDegree + 1>;  // c0 .. c6

// The n Chebyshev-Gauss nodes of [0, t_end] (the zeros of T_n mapped onto the interval),
// from the end of the interval to its start.
std::vector<long double> ChebyshevNodes(long double t_end, std::size_t n);

// The polynomial of degree 6 in t that fits `values` (taken at ChebyshevNodes(t_end, n)) best
// in the least-squares sense: the truncated discrete Chebyshev expansion, converted to powers
// of t in extended precision.
PowerSeries FitAtChebyshevNodes(const std::vector<long double>& values, long double t_end);

}  // namespace jovi::tools
