#include "astro/satellite_scene.h"

#include <cmath>
#include <numbers>

#include "astro/galilean_angles.h"
#include "astro/planet_body.h"
#include "astro/sun_body.h"
#include "util/real.h"
#include "util/trig.h"

namespace jovi {

namespace {

constexpr Real kTwoPi = 2 * std::numbers::pi_v<Real>;
constexpr Real kLightDaysPerAU = 0.0057755183_r;
constexpr std::array<Real, 4> kLightTimeK = {17295, 21819, 27558, 36548};

struct Vector3 {
  Real a, b, c;
};

// From Jupiter's equator to the sky of a viewer in direction (lambda, beta) of Jupiter.
struct FrameRotation {
  Real cosI, sinI, cosPhi, sinPhi, cosi, sini, cosOmega, sinOmega;

  Vector3 ToEcliptic(Real x, Real y, Real z) const {
    const Real A1 = x;
    const Real B1 = y * cosI - z * sinI;
    const Real C1 = y * sinI + z * cosI;
    const Real A2 = A1 * cosPhi - B1 * sinPhi;
    const Real B2 = A1 * sinPhi + B1 * cosPhi;
    const Real C2 = C1;
    const Real A3 = A2;
    const Real B3 = B2 * cosi - C2 * sini;
    const Real C3 = B2 * sini + C2 * cosi;
    const Real A4 = A3 * cosOmega - B3 * sinOmega;
    const Real B4 = A3 * sinOmega + B3 * cosOmega;
    return {A4, B4, C3};
  }
};

Vector3 ToViewer(const Vector3& v, Real lambda, Real beta) {
  const Real A5 = v.a * Sin(lambda) - v.b * Cos(lambda);
  const Real B5 = v.a * Cos(lambda) + v.b * Sin(lambda);
  const Real C5 = v.c;
  const Real B6 = C5 * Sin(beta) + B5 * Cos(beta);
  const Real C6 = C5 * Cos(beta) - B5 * Sin(beta);
  return {A5, B6, C6};
}

Real DifferentialLightTime(Real x, Real z, Real radius,
                                  Real k) {
  const Real q = x / radius;
  return x + (std::fabs(z) / k) * std::sqrt(std::fmax(0.0_r, 1 - q * q));
}

}  // namespace

bool InsideDisc(Real x, Real y) {
  const Real fy = kDiscFlattening * y;
  return x * x + fy * fy <= 1;
}

void SetDiscFlags(SatelliteState& s) {
  s.Occulted = s.Z > 0 && InsideDisc(s.X, s.Y);
  s.Eclipsed = s.SunZ > 0 && InsideDisc(s.SunX, s.SunY);
  s.ShadowOnDisc = s.SunZ < 0 && InsideDisc(s.SunX, s.SunY);
}

void ObservationScene::Compute(Real jde, Prompter& prompter) {
  SceneWorkingValues& w = working_;
  w = SceneWorkingValues{};
  FirstMessageOnly once(&prompter);  // the light-time loop's repeats are dropped

  // 1. The Sun, geometric, referred to the mean equinox of date.
  SunBody sun(0);
  const Real sun_longitude = SunLongitude(sun, jde);
  const Real R = SunRadius(sun, jde);
  const Real X0 = R * Cos(sun_longitude);
  const Real Y0 = R * Sin(sun_longitude);
  const Real Z0 = 0;

  // 2. Light time: Jupiter where it was when the light left it.
  PlanetBody jupiter(0, &once);
  if (JupiterDistance == 0) JupiterDistance = 5.0_r;
  Real delta = JupiterDistance;
  Real x = 0, y = 0, z = 0, xh = 0, yh = 0, zh = 0;
  for (;;) {
    if (w.light_time_passes == kMostLightTimePasses) {
      // Not settled: the coefficients cannot be Jupiter's.
      ReportCoefficientFileError(jupiter, true);
      w.jupiter_failed = w.file_error = true;
      break;
    }
    const Real tau = kLightDaysPerAU * delta;
    PositionRec pos;
    Real r = 0;
    jupiter.HeliocentricPosition(jde - tau, pos, r);
    ++w.light_time_passes;
    if (jupiter.OutOfRange || jupiter.FileError) {
      w.jupiter_failed = true;
      w.file_error = jupiter.FileError;
      break;
    }
    const Real l = pos.Longitude;
    const Real b = pos.Latitude;
    xh = r * Cos(b) * Cos(l);
    yh = r * Cos(b) * Sin(l);
    zh = r * Sin(b);
    x = xh + X0;
    y = yh + Y0;
    z = zh + Z0;
    const Real new_delta = std::sqrt(x * x + y * y + z * z);
    if (!(r >= kLeastJupiterDistance && r <= kMostJupiterDistance &&
          new_delta >= kLeastJupiterDistance && new_delta <= kMostJupiterDistance)) {
      ReportCoefficientFileError(jupiter, true);  // NaN too
      w.jupiter_failed = w.file_error = true;
      break;
    }
    const Real change = std::fabs(delta - new_delta);
    delta = new_delta;
    if (change < 0.01_r) break;
  }
  if (!w.jupiter_failed) JupiterDistance = delta;

  // 3. Jupiter's direction from the Earth and from the Sun.
  if (!w.jupiter_failed) {
    w.lambda0 = std::atan2(y, x);
    w.beta0 = std::atan(z / std::sqrt(x * x + y * y));
    w.lambdaH = std::atan2(yh, xh);
    w.betaH = std::atan(zh / std::sqrt(xh * xh + yh * yh));
  }

  // 4.-5. Time argument and secular arguments.
  if (w.jupiter_failed) delta = JupiterDistance;  // a finite start for what follows
  const Real tau = kLightDaysPerAU * delta;
  const Real t = jde - 2443000.5_r - tau;
  w.t = t;
  const GalileanSecularAngles secular = GalileanSecularAnglesAt(t);
  GalileanAngles angles{};
  auto set = [&angles](GalileanAngle a, Real v) {
    angles[static_cast<std::size_t>(a)] = v;
  };
  SetSecularAngles(angles, secular);
  w.l = secular.l;
  w.pi = secular.pi;
  w.w = secular.w;
  w.PhiLambda = secular.PhiLambda;
  w.psi = secular.psi;
  w.Gdash = secular.Gdash;
  w.Gamma = secular.Gamma;
  w.G = secular.G;
  w.PI = secular.PI;

  // 6.-7. The periodic series and each moon's longitude, latitude and distance.
  const GalileanSeries& series = GalileanTerms();
  for (std::size_t k = 0; k < 4; ++k) {
    w.longitude_sum[k] = EvaluateSeries(series.longitude[k], angles);
    set(static_cast<GalileanAngle>(static_cast<std::size_t>(GalileanAngle::S1) + k),
        w.longitude_sum[k]);
  }
  for (std::size_t k = 0; k < 4; ++k) {
    SatelliteState& s = satellites_[k];
    s.Longitude = std::fmod(w.l[k] + w.longitude_sum[k], kTwoPi);
    set(static_cast<GalileanAngle>(static_cast<std::size_t>(GalileanAngle::L1) + k), s.Longitude);
    w.latitude_sum[k] = EvaluateSeries(series.latitude[k], angles);
    w.radius_sum[k] = EvaluateSeries(series.radius[k], angles);
    s.Latitude = std::atan(w.latitude_sum[k]);
    s.Radius = kGalileanMeanDistance[k] * (1 + w.radius_sum[k]);
  }

  // 8. Frame angles: precession, inclinations and nodes.
  const JupiterEquatorFrame frame = JupiterEquatorFrameAt(jde);
  const Real P = frame.Precession;
  w.psi += P;
  const Real I = frame.I;
  w.Omega = frame.Omega;
  w.i = frame.i;
  w.Phi = w.psi - w.Omega;

  for (SatelliteState& s : satellites_) s.Longitude += P;

  if (w.jupiter_failed) {
    // Without Jupiter's place there is no view: every moon is put behind the centre of the
    // disc, so nothing is drawn or measured, and every value stays finite.
    for (SatelliteState& s : satellites_) {
      s.X = s.Y = s.Z = s.SunX = s.SunY = s.SunZ = 0;
      s.Occulted = true;
      s.Eclipsed = s.ShadowOnDisc = false;
    }
    return;
  }

  // 9. Rotation into the two viewers' skies: the pole point first, then the moons.
  const FrameRotation rot{Cos(I),      Sin(I),      Cos(w.Phi),
                          Sin(w.Phi),  Cos(w.i),    Sin(w.i),
                          Cos(w.Omega), Sin(w.Omega)};
  const Vector3 pole = rot.ToEcliptic(0, 0, 1);
  const Vector3 pole_earth = ToViewer(pole, w.lambda0, w.beta0);
  const Vector3 pole_sun = ToViewer(pole, w.lambdaH, w.betaH);
  const Real D = std::atan2(pole_earth.a, pole_earth.c);
  const Real Dh = std::atan2(pole_sun.a, pole_sun.c);

  for (std::size_t k = 4; k-- > 0;) {
    SatelliteState& s = satellites_[k];
    const Real L = s.Longitude;
    const Vector3 v = rot.ToEcliptic(s.Radius * Cos(L - w.psi) * Cos(s.Latitude),
                                     s.Radius * Sin(L - w.psi) * Cos(s.Latitude),
                                     s.Radius * Sin(s.Latitude));
    const Vector3 e = ToViewer(v, w.lambda0, w.beta0);
    const Vector3 h = ToViewer(v, w.lambdaH, w.betaH);
    s.X = e.a * Cos(D) - e.c * Sin(D);
    s.Y = e.a * Sin(D) + e.c * Cos(D);
    s.Z = e.b;
    s.SunX = h.a * Cos(Dh) - h.c * Sin(Dh);
    s.SunY = h.a * Sin(Dh) + h.c * Cos(Dh);
    s.SunZ = h.b;

    // 10. Differential light time.
    s.X = DifferentialLightTime(s.X, s.Z, s.Radius, kLightTimeK[k]);
    s.SunX = DifferentialLightTime(s.SunX, s.SunZ, s.Radius, kLightTimeK[k]);

    // 11. Perspective, both with the Earth-Jupiter distance.
    const Real W = delta / (delta + s.Z / 2095);
    s.X *= W;
    s.Y *= W;
    const Real Ws = delta / (delta + s.SunZ / 2095);
    s.SunX *= Ws;
    s.SunY *= Ws;

    // 12. Occultation, eclipse and shadow transit.
    SetDiscFlags(s);
  }
}

ObservationScene& ProgramScene() {
  static ObservationScene scene;
  return scene;
}

void ComputeScene(Real jde) { ProgramScene().Compute(jde, ProgramPrompter()); }

}  // namespace jovi
