#include "polynomial_fit.h"

#include <cmath>

namespace jovi::tools {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

long double NodeAngle(std::size_t j, std::size_t n) {
  return kPi * (static_cast<long double>(j) + 0.5L) / static_cast<long double>(n);
}

// p * (a t + b), degree kept within the array.
PowerSeries TimesLinear(const PowerSeries& p, long double a, long double b) {
  PowerSeries out{};
  for (std::size_t i = 0; i <= kFitDegree; ++i) {
    out[i] += b * p[i];
    if (i + 1 <= kFitDegree) out[i + 1] += a * p[i];
  }
  return out;
}

}  // namespace

std::vector<long double> ChebyshevNodes(long double t_end, std::size_t n) {
  std::vector<long double> t(n);
  for (std::size_t j = 0; j < n; ++j) t[j] = (std::cos(NodeAngle(j, n)) + 1) * t_end / 2;
  return t;
}

PowerSeries FitAtChebyshevNodes(const std::vector<long double>& values, long double t_end) {
  const std::size_t n = values.size();
  // Chebyshev coefficients by the discrete orthogonality of T_0 .. T_6 over the nodes.
  PowerSeries chebyshev{};
  for (std::size_t k = 0; k <= kFitDegree; ++k) {
    long double sum = 0;
    for (std::size_t j = 0; j < n; ++j) {
      sum += values[j] * std::cos(static_cast<long double>(k) * NodeAngle(j, n));
    }
    chebyshev[k] = sum * (k == 0 ? 1 : 2) / static_cast<long double>(n);
  }
  // T_k(x) with x = (2 / t_end) t - 1, as powers of t, by T_k+1 = 2x T_k - T_k-1.
  const long double a = 2 / t_end;
  PowerSeries previous{};
  previous[0] = 1;
  PowerSeries current = TimesLinear(previous, a, -1);
  PowerSeries result{};
  for (std::size_t i = 0; i <= kFitDegree; ++i) result[i] += chebyshev[0] * previous[i];
  for (std::size_t k = 1; k <= kFitDegree; ++k) {
    for (std::size_t i = 0; i <= kFitDegree; ++i) result[i] += chebyshev[k] * current[i];
    const PowerSeries doubled = TimesLinear(current, 2 * a, -2);
    PowerSeries next{};
    for (std::size_t i = 0; i <= kFitDegree; ++i) next[i] = doubled[i] - previous[i];
    previous = current;
    current = next;
  }
  return result;
}

}  // namespace jovi::tools
