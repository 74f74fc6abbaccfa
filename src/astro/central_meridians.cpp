#include "astro/central_meridians.h"

#include <cmath>

#include "astro/angles.h"
#include "util/real.h"

namespace jovi {

namespace {
Real SinDeg(Real degrees) { return std::sin(degrees * kRadiansPerDegree); }
Real CosDeg(Real degrees) { return std::cos(degrees * kRadiansPerDegree); }
}  // namespace

void CentralMeridians(Real jd, Real& system_i, Real& system_ii) {
  const Real d = jd - 2451545.0_r;
  const Real V = 172.74_r + 0.00111588_r * d;
  const Real M = 357.529_r + 0.9856003_r * d;
  const Real N = 20.02_r + 0.0830853_r * d + 0.329_r * SinDeg(V);
  const Real J = 66.115_r + 0.9025179_r * d - 0.329_r * SinDeg(V);
  const Real A = 1.915_r * SinDeg(M) + 0.020_r * SinDeg(2 * M);
  const Real B = 5.555_r * SinDeg(N) + 0.168_r * SinDeg(2 * N);
  const Real K = J + A - B;
  const Real R = 1.00014_r - 0.01671_r * CosDeg(M) - 0.00014_r * CosDeg(2 * M);
  const Real r = 5.20872_r - 0.25208_r * CosDeg(N) - 0.00611_r * CosDeg(2 * N);
  const Real delta = std::sqrt(r * r + R * R - 2 * r * R * CosDeg(K));
  const Real psi = std::asin(R * SinDeg(K) / delta) / kRadiansPerDegree;
  const Real light_days = d - delta / 173.0_r;
  system_i = ReduceToTwoPi((210.98_r + 877.8169088_r * light_days + psi - B) * kRadiansPerDegree);
  system_ii = ReduceToTwoPi((187.23_r + 870.1869088_r * light_days + psi - B) * kRadiansPerDegree);
}

}  // namespace jovi
