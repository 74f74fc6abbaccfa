// The light-time exercise's science: Io's shadow entries over about 400 days, found from the
// scene's Eclipsed flag, drift with the Earth-Jupiter distance by the light time of one AU.
// A least-squares fit of
//   t_n = t0 + n P + k l_J(t_n) + tau Delta_n + a sin(2 pi t / 439 d) + b cos(2 pi t / 439 d)
// (l_J Jupiter's heliocentric longitude, Delta_n the Earth-Jupiter distance in AU, the 439-day
// pair Io's libration as sampled at eclipses) recovers tau, 499.0 s per AU, within 3 %.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "astro/coefficient_file.h"
#include "astro/planet_body.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "phenomena/jupiter_phenomena.h"
#include "platform/program_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kIoSynodicPeriod = 1.769861_r;  // days, between shadow entries
constexpr Real kLibrationPeriod = 439.0_r;     // days
constexpr Real kSearchStep = 0.03_r;           // days; an eclipse lasts over 0.09 d
constexpr Real kTimeTolerance = 1.0_r / 86400;  // one second

bool IoEclipsed(Real jde) {
  ComputeScene(jde);
  return ProgramScene().Satellite(1).Eclipsed;
}

// The moment Io enters the shadow between `before` (lit) and `after` (eclipsed), by bisection.
Real EclipseStart(Real before, Real after) {
  while (after - before > kTimeTolerance) {
    const Real mid = (before + after) / 2;
    (IoEclipsed(mid) ? after : before) = mid;
  }
  return (before + after) / 2;
}

// Every shadow entry from `start` for `days`: a coarse walk to the first, then a short walk
// from just before each predicted next one.
std::vector<Real> IoEclipseStarts(Real start, Real days) {
  std::vector<Real> starts;
  Real t = start;
  bool eclipsed = IoEclipsed(t);
  while (t < start + days) {
    const Real next = t + kSearchStep;
    const bool now = IoEclipsed(next);
    if (now && !eclipsed) {
      starts.push_back(EclipseStart(t, next));
      t = starts.back() + kIoSynodicPeriod - 0.1_r;
      eclipsed = IoEclipsed(t);
      continue;
    }
    eclipsed = now;
    t = next;
  }
  return starts;
}

Real JupiterHeliocentricLongitude(PlanetBody& jupiter, Real jde) {
  PositionRec pos;
  Real r = 0;
  jupiter.HeliocentricPosition(jde, pos, r);
  return pos.Longitude;
}

// Solves the normal equations A x = b (symmetric, positive definite) by elimination.
template <std::size_t N>
std::array<Real, N> Solve(std::array<std::array<Real, N>, N> a,
                                 std::array<Real, N> b) {
  for (std::size_t col = 0; col < N; ++col) {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < N; ++row) {
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    }
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (std::size_t row = col + 1; row < N; ++row) {
      const Real f = a[row][col] / a[col][col];
      for (std::size_t k = col; k < N; ++k) a[row][k] -= f * a[col][k];
      b[row] -= f * b[col];
    }
  }
  std::array<Real, N> x{};
  for (std::size_t i = N; i-- > 0;) {
    Real s = b[i];
    for (std::size_t k = i + 1; k < N; ++k) s -= a[i][k] * x[k];
    x[i] = s / a[i][i];
  }
  return x;
}

TEST(LightTimeScience, IoEclipseDriftGivesTheLightTimeOfOneAU) {
  SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
  SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  const Real first = TDTFromUT(2459580.5_r);  // 2022 January 1
  const std::vector<Real> starts = IoEclipseStarts(first, 400);
  ASSERT_GT(starts.size(), 220u);

  // Unknowns: t0, P, k, tau, a, b; times from the first entry, so the sums stay well scaled.
  constexpr std::size_t kUnknowns = 6;
  std::array<std::array<Real, kUnknowns>, kUnknowns> normal{};
  std::array<Real, kUnknowns> right{};
  PlanetBody jupiter(kGeometric);
  const Real l0 = JupiterHeliocentricLongitude(jupiter, starts.front());
  Real previous_l = l0, unwrapped = 0;
  for (const Real t : starts) {
    const Real n = std::nearbyint((t - starts.front()) / kIoSynodicPeriod);
    Real l = JupiterHeliocentricLongitude(jupiter, t);
    Real step = l - previous_l;
    if (step > kPi) step -= 2 * kPi;
    if (step < -kPi) step += 2 * kPi;
    unwrapped += step;
    previous_l = l;
    const Real delta = EarthJupiterDistanceAt(t);
    ASSERT_FALSE(std::isnan(delta));
    const Real phase = 2 * kPi * (t - starts.front()) / kLibrationPeriod;
    const std::array<Real, kUnknowns> row = {1, n, unwrapped, delta, std::sin(phase),
                                                    std::cos(phase)};
    const Real y = t - starts.front();
    for (std::size_t i = 0; i < kUnknowns; ++i) {
      for (std::size_t j = 0; j < kUnknowns; ++j) normal[i][j] += row[i] * row[j];
      right[i] += row[i] * y;
    }
  }
  const auto x = Solve(normal, right);
  const Real tau_seconds = x[3] * 86400;
  std::printf("Io shadow entries: %zu, period %.6" JOVI_REAL_LEN "f d, light time %.2" JOVI_REAL_LEN "f s per AU\n",
              starts.size(), x[1], tau_seconds);
  EXPECT_NEAR(static_cast<double>(tau_seconds), 499.0, 0.03 * 499.0);
}

}  // namespace
}  // namespace jovi
