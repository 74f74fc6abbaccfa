#include "astro/central_meridians.h"

#include <cmath>

#include "astro/angles.h"

namespace jovi {

namespace {
long double SinDeg(long double degrees) { return std::sin(degrees * kRadiansPerDegree); }
long double CosDeg(long double degrees) { return std::cos(degrees * kRadiansPerDegree); }
}  // namespace

void CentralMeridians(long double jd, long double& system_i, long double& system_ii) {
  const long double d = jd - 2451545.0L;
  const long double V = 172.74L + 0.00111588L * d;
  const long double M = 357.529L + 0.9856003L * d;
  const long double N = 20.02L + 0.0830853L * d + 0.329L * SinDeg(V);
  const long double J = 66.115L + 0.9025179L * d - 0.329L * SinDeg(V);
  const long double A = 1.915L * SinDeg(M) + 0.020L * SinDeg(2 * M);
  const long double B = 5.555L * SinDeg(N) + 0.168L * SinDeg(2 * N);
  const long double K = J + A - B;
  const long double R = 1.00014L - 0.01671L * CosDeg(M) - 0.00014L * CosDeg(2 * M);
  const long double r = 5.20872L - 0.25208L * CosDeg(N) - 0.00611L * CosDeg(2 * N);
  const long double delta = std::sqrt(r * r + R * R - 2 * r * R * CosDeg(K));
  const long double psi = std::asin(R * SinDeg(K) / delta) / kRadiansPerDegree;
  const long double light_days = d - delta / 173.0L;
  system_i = ReduceToTwoPi((210.98L + 877.8169088L * light_days + psi - B) * kRadiansPerDegree);
  system_ii = ReduceToTwoPi((187.23L + 870.1869088L * light_days + psi - B) * kRadiansPerDegree);
}

}  // namespace jovi
