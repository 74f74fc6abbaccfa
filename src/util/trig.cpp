#include "util/trig.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "util/real.h"

namespace jovi {

namespace {

// pi/2 = P1 + P2 + P3: P1 and P2 have at most 40 significant bits, so that n * P1 and n * P2
// are exact for |n| < 2^24; P3 is the rest rounded to 64 bits (error below 2e-44).
constexpr Real kP1 = 0xc90fdaa221p-39_r;
constexpr Real kP2 = 0x34611a6263p-78_r;
constexpr Real kP3 = 0xc51701b839a25205p-144_r;
constexpr Real kTwoOverPi = 0.636619772367581343075535053490057448_r;
constexpr Real kLargest = 2.6e7_r;

// (-1)^(n/2) / n! for n = first, first - 2, ..., last: the Taylor coefficients of sine (odd n)
// or cosine (even n), highest first. n! is exact for n <= 25, so each is rounded once.
template <std::size_t N>
constexpr std::array<Real, N> TaylorCoefficients(int first) {
  std::array<Real, N> c{};
  for (std::size_t k = 0; k < N; ++k) {
    const int n = first - 2 * static_cast<int>(k);
    Real factorial = 1;
    for (int i = 2; i <= n; ++i) factorial *= i;
    c[k] = ((n / 2) % 2 ? -1 : 1) / factorial;
  }
  return c;
}

// Terms up to r^19 and r^20: the first ones left out, (pi/4)^21/21! < 1.2e-22 and
// (pi/4)^22/22! < 4.5e-24, lie more than 200 times below half the last bit of the results
// (sin and cos of pi/4, 0.707, have a last bit of 5.4e-20), and still further below it for
// smaller |r|.
constexpr auto kSinTerms = TaylorCoefficients<9>(19);   // r^19 ... r^3
constexpr auto kCosTerms = TaylorCoefficients<10>(20);  // r^20 ... r^2

// c[0] z^(N-1) + ... + c[N-1] as two interleaved Horner chains, in z^2, of the even and the odd
// powers: half the dependent multiplications of one chain.
template <std::size_t N>
Real Polynomial(const std::array<Real, N>& c, Real z) {
  const Real z2 = z * z;
  Real even = 0, odd = 0;
  for (std::size_t k = 0; k < N; ++k) {
    if ((N - 1 - k) % 2 == 0) {
      even = even * z2 + c[k];
    } else {
      odd = odd * z2 + c[k];
    }
  }
  return even + z * odd;
}

Real KernelSin(Real r) {
  const Real z = r * r;
  return r + r * z * Polynomial(kSinTerms, z);
}

Real KernelCos(Real r) {
  const Real z = r * r;
  return 1 + z * Polynomial(kCosTerms, z);
}

// x = n pi/2 + r with |r| <= pi/4 (a hair more at the rounding edge); false when too large.
bool Reduce(Real x, Real& r, long long& n) {
  if (!(std::fabs(x) < kLargest)) return false;
  const Real q = std::rint(x * kTwoOverPi);  // to nearest, halves to even
  n = static_cast<long long>(q);
  r = ((x - q * kP1) - q * kP2) - q * kP3;
  return true;
}

}  // namespace

void SinCos(Real x, Real& sine, Real& cosine) {
  if constexpr (!kRealIsExtended) {  // the constants above are cut for 64-bit mantissas
    sine = std::sin(x);
    cosine = std::cos(x);
    return;
  }
  Real r = 0;
  long long n = 0;
  if (!Reduce(x, r, n)) {
    sine = std::sin(x);
    cosine = std::cos(x);
    return;
  }
  const Real s = KernelSin(r);
  const Real c = KernelCos(r);
  switch (n & 3) {
    case 0: sine = s; cosine = c; break;
    case 1: sine = c; cosine = -s; break;
    case 2: sine = -s; cosine = -c; break;
    default: sine = -c; cosine = s; break;
  }
}

Real Sin(Real x) {
  if constexpr (!kRealIsExtended) return std::sin(x);
  Real r = 0;
  long long n = 0;
  if (!Reduce(x, r, n)) return std::sin(x);
  switch (n & 3) {
    case 0: return KernelSin(r);
    case 1: return KernelCos(r);
    case 2: return -KernelSin(r);
    default: return -KernelCos(r);
  }
}

Real Cos(Real x) {
  if constexpr (!kRealIsExtended) return std::cos(x);
  Real r = 0;
  long long n = 0;
  if (!Reduce(x, r, n)) return std::cos(x);
  switch (n & 3) {
    case 0: return KernelCos(r);
    case 1: return -KernelSin(r);
    case 2: return -KernelCos(r);
    default: return KernelSin(r);
  }
}

}  // namespace jovi
