#include "util/trig.h"

#include <cmath>

namespace jovi {

namespace {

// pi/2 = P1 + P2 + P3: P1 and P2 have at most 40 significant bits, so that n * P1 and n * P2
// are exact for |n| < 2^24; P3 is the rest rounded to 64 bits (error below 2e-44).
constexpr long double kP1 = 0xc90fdaa221p-39L;
constexpr long double kP2 = 0x34611a6263p-78L;
constexpr long double kP3 = 0xc51701b839a25205p-144L;
constexpr long double kTwoOverPi = 0.636619772367581343075535053490057448L;
constexpr long double kLargest = 2.6e7L;

// x = n pi/2 + r with |r| <= pi/4 (a hair more at the rounding edge); false when too large.
bool Reduce(long double x, long double& r, long long& n) {
  if (!(std::fabs(x) < kLargest)) return false;
  const long double q = std::nearbyint(x * kTwoOverPi);
  n = static_cast<long long>(q);
  r = ((x - q * kP1) - q * kP2) - q * kP3;
  return true;
}

}  // namespace

void SinCos(long double x, long double& sine, long double& cosine) {
  long double r = 0;
  long long n = 0;
  if (!Reduce(x, r, n)) {
    sine = std::sin(x);
    cosine = std::cos(x);
    return;
  }
  const long double s = std::sin(r);
  const long double c = std::cos(r);
  switch (n & 3) {
    case 0: sine = s; cosine = c; break;
    case 1: sine = c; cosine = -s; break;
    case 2: sine = -s; cosine = -c; break;
    default: sine = -c; cosine = s; break;
  }
}

long double Sin(long double x) {
  long double r = 0;
  long long n = 0;
  if (!Reduce(x, r, n)) return std::sin(x);
  switch (n & 3) {
    case 0: return std::sin(r);
    case 1: return std::cos(r);
    case 2: return -std::sin(r);
    default: return -std::cos(r);
  }
}

long double Cos(long double x) {
  long double r = 0;
  long long n = 0;
  if (!Reduce(x, r, n)) return std::cos(x);
  switch (n & 3) {
    case 0: return std::cos(r);
    case 1: return -std::sin(r);
    case 2: return -std::cos(r);
    default: return std::sin(r);
  }
}

}  // namespace jovi
