#include "astro/galilean_angles.h"

#include <numbers>

#include "astro/galilean_series.h"
#include "util/trig.h"

namespace jovi {

namespace {

constexpr Real kDegree = std::numbers::pi_v<Real> / 180.0_r;

Real Argument(const SecularArgument& a, Real t) {
  return (a.constant_deg + a.rate_deg_per_day * t) * kDegree;
}

}  // namespace

GalileanSecularAngles GalileanSecularAnglesAt(Real t) {
  const GalileanArguments& args = GalileanSecularArguments();
  GalileanSecularAngles a;
  for (std::size_t k = 0; k < 4; ++k) {
    a.l[k] = Argument(args.l[k], t);
    a.pi[k] = Argument(args.pi[k], t);
    a.w[k] = Argument(args.w[k], t);
  }
  a.PhiLambda = Argument(args.phi_lambda, t);
  a.psi = Argument(args.psi, t);
  a.Gdash = Argument(args.g_dash, t);
  a.Gamma = (0.33033_r * Sin((163.679_r + 0.0010512_r * t) * kDegree) +
             0.03439_r * Sin((34.486_r - 0.0161731_r * t) * kDegree)) *
            kDegree;
  a.G = (30.23756_r + 0.0830925701_r * t) * kDegree + a.Gamma;
  a.PI = 13.469942_r * kDegree;
  return a;
}

void SetSecularAngles(GalileanAngles& angles, const GalileanSecularAngles& secular) {
  auto set = [&angles](GalileanAngle a, std::size_t k, Real v) {
    angles[static_cast<std::size_t>(a) + k] = v;
  };
  for (std::size_t k = 0; k < 4; ++k) {
    set(GalileanAngle::l1, k, secular.l[k]);
    set(GalileanAngle::pi1, k, secular.pi[k]);
    set(GalileanAngle::w1, k, secular.w[k]);
  }
  set(GalileanAngle::PHI_lambda, 0, secular.PhiLambda);
  set(GalileanAngle::psi, 0, secular.psi);
  set(GalileanAngle::Gdash, 0, secular.Gdash);
  set(GalileanAngle::G, 0, secular.G);
  set(GalileanAngle::PI, 0, secular.PI);
}

JupiterEquatorFrame JupiterEquatorFrameAt(Real jde) {
  JupiterEquatorFrame f;
  const Real T0 = (jde - 2433282.4235_r) / 36525;
  f.Precession = (1.3966626_r * T0 + 0.0003088_r * T0 * T0) * kDegree;
  const Real T1 = (jde - 2415020.3135_r) / 36525;
  f.I = (3.120262_r + 0.0006_r * T1) * kDegree;
  const Real T = (jde - 2451545.0_r) / 36525;
  f.Omega = (100.464441_r + 1.020955_r * T + 0.00040117_r * T * T + 0.000000569_r * T * T * T) *
            kDegree;
  f.i = (1.30327_r - 0.0054966_r * T + 0.00000465_r * T * T - 0.000000004_r * T * T * T) * kDegree;
  return f;
}

}  // namespace jovi
