#include "almanac/mutual_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "astro/planet_body.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
// The scene's perspective divides Z by this many Jupiter radii per AU.
constexpr Real kScenePerspectiveRadiiPerAU = 2095;
constexpr Real kJupiterRadiiPerAU = kAstronomicalUnitKm / kJupiterEquatorialRadiusKm;

// Gauss-Legendre nodes and weights on [-1, 1], 8 points.
constexpr std::array<Real, 8> kGaussNodes = {
    -0.9602898564975363_r, -0.7966664774136267_r, -0.5255324099163290_r, -0.1834346424956498_r,
    0.1834346424956498_r,  0.5255324099163290_r,  0.7966664774136267_r,  0.9602898564975363_r};
constexpr std::array<Real, 8> kGaussWeights = {
    0.1012285362903763_r, 0.2223810344533745_r, 0.3137066458778873_r, 0.3626837833783620_r,
    0.3626837833783620_r, 0.3137066458778873_r, 0.2223810344533745_r, 0.1012285362903763_r};
constexpr int kPanelsPerPiece = 4;

Real Radius(int moon) { return kMoonMeanRadius[static_cast<std::size_t>(moon - 1)]; }

// The scene's perspective factor for a moon at depth z (Earth-Jupiter distance delta, AU).
Real ScenePerspective(Real delta_au, Real z) {
  return delta_au / (delta_au + z / kScenePerspectiveRadiiPerAU);
}

// The length of the circle of radius rho about the shadow axis that lies on b's disc (radius
// rb, its centre s from the axis).
Real ArcOnDisc(Real rho, Real s, Real rb) {
  if (rho + s <= rb) return 2 * kPi * rho;
  if (rho >= s + rb || rho <= s - rb) return 0;
  const Real c = (rho * rho + s * s - rb * rb) / (2 * rho * s);
  return 2 * rho * std::acos(std::clamp(c, -1.0_r, 1.0_r));
}

// Fraction of the Sun's light a takes from a point rho from the shadow axis, at depth d behind
// a: the Sun's disc (radius d * alpha once scaled by d) partly covered by a's (radius ra).
Real SunlightBlocked(Real rho, const MutualDiscs& m, Real ra) {
  const Real sun = m.depth * m.sun_angle;
  return DiscOverlapArea(sun, ra, rho) / (kPi * sun * sun);
}

Real EclipseLightLost(const MutualDiscs& m) {
  const Real ra = (m.inner + m.outer) / 2;  // the umbra and penumbra straddle a's radius
  const Real s = m.separation;
  const Real rb = m.radius_b;
  if (m.depth * m.sun_angle <= 1e-12_r * rb) {
    return DiscOverlapArea(ra, rb, s) / (kPi * rb * rb);
  }
  const Real lo = std::max(0.0_r, s - rb);
  const Real hi = std::min(s + rb, m.outer);
  if (hi <= lo) return 0;
  // Integrate over rings about the axis; the pieces end where either factor has a kink.
  std::array<Real, 4> cuts = {lo, hi, std::fabs(m.inner), rb - s};
  std::sort(cuts.begin(), cuts.end());
  Real sum = 0;
  Real from = lo;
  for (const Real cut : cuts) {
    const Real to = std::min(cut, hi);
    if (to <= from) continue;
    const Real panel = (to - from) / kPanelsPerPiece;
    for (int p = 0; p < kPanelsPerPiece; ++p) {
      const Real mid = from + (p + 0.5_r) * panel;
      for (std::size_t k = 0; k < kGaussNodes.size(); ++k) {
        const Real rho = mid + kGaussNodes[k] * panel / 2;
        sum += kGaussWeights[k] * panel / 2 * SunlightBlocked(rho, m, ra) * ArcOnDisc(rho, s, rb);
      }
    }
    from = to;
  }
  return std::clamp(sum / (kPi * rb * rb), 0.0_r, 1.0_r);
}

}  // namespace

Real DiscOverlapArea(Real r1, Real r2, Real d) {
  d = std::fabs(d);
  if (d >= r1 + r2) return 0;
  const Real small = std::min(r1, r2);
  if (d <= std::fabs(r1 - r2)) return kPi * small * small;
  const Real c1 = std::clamp((d * d + r1 * r1 - r2 * r2) / (2 * d * r1), -1.0_r, 1.0_r);
  const Real c2 = std::clamp((d * d + r2 * r2 - r1 * r1) / (2 * d * r2), -1.0_r, 1.0_r);
  const Real k = (-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2);
  return r1 * r1 * std::acos(c1) + r2 * r2 * std::acos(c2) - std::sqrt(std::max(0.0_r, k)) / 2;
}

MutualDiscs OccultationDiscs(const ObservationScene& scene, int i, int j) {
  const SatelliteState& si = scene.Satellite(i);
  const SatelliteState& sj = scene.Satellite(j);
  const bool i_nearer = si.Z < sj.Z;
  const int a = i_nearer ? i : j;
  const int b = i_nearer ? j : i;
  const SatelliteState& sa = i_nearer ? si : sj;
  const SatelliteState& sb = i_nearer ? sj : si;
  // The scene's X and Y are already in perspective: b's depth is reached by undoing b's factor.
  const Real wa = ScenePerspective(scene.JupiterDistance, sa.Z);
  const Real wb = ScenePerspective(scene.JupiterDistance, sb.Z);
  MutualDiscs m;
  m.a = a;
  m.b = b;
  m.separation = std::hypot(sb.X - sa.X, sb.Y - sa.Y) / wb;
  m.radius_b = Radius(b);
  m.inner = m.outer = Radius(a) * wa / wb;
  return m;
}

MutualDiscs EclipseDiscs(const ObservationScene& scene, int i, int j, Real sun_distance_au) {
  const SatelliteState& si = scene.Satellite(i);
  const SatelliteState& sj = scene.Satellite(j);
  const bool i_nearer = si.SunZ < sj.SunZ;
  const int a = i_nearer ? i : j;
  const int b = i_nearer ? j : i;
  const SatelliteState& sa = i_nearer ? si : sj;
  const SatelliteState& sb = i_nearer ? sj : si;
  // The scene puts SunX, SunY in perspective with the Earth's distance; the rays come from the
  // Sun, so the axis of a's shadow is drawn from the Sun's true distance.
  const Real sun = sun_distance_au * kJupiterRadiiPerAU;
  const Real unscale_a = 1 / ScenePerspective(scene.JupiterDistance, sa.SunZ);
  const Real unscale_b = 1 / ScenePerspective(scene.JupiterDistance, sb.SunZ);
  const Real along = (sun + sb.SunZ) / (sun + sa.SunZ);
  const Real axis_x = sa.SunX * unscale_a * along;
  const Real axis_y = sa.SunY * unscale_a * along;
  MutualDiscs m;
  m.a = a;
  m.b = b;
  m.separation = std::hypot(sb.SunX * unscale_b - axis_x, sb.SunY * unscale_b - axis_y);
  m.radius_b = Radius(b);
  m.depth = sb.SunZ - sa.SunZ;
  m.sun_angle = kSunRadiusKm / (sun_distance_au * kAstronomicalUnitKm);
  m.inner = Radius(a) - m.depth * m.sun_angle;
  m.outer = Radius(a) + m.depth * m.sun_angle;
  return m;
}

Real LightLost(const MutualDiscs& m, MutualKind kind) {
  if (m.Clearance() >= 0) return 0;
  if (kind == MutualKind::Eclipse) return EclipseLightLost(m);
  return std::clamp(
      DiscOverlapArea(m.outer, m.radius_b, m.separation) / (kPi * m.radius_b * m.radius_b), 0.0_r,
      1.0_r);
}

char EventKindLetter(const MutualDiscs& m, MutualKind kind) {
  // The umbra of an eclipse plays the part of a's disc; beyond its apex (inner < 0) the
  // antumbra can only make an annular eclipse.
  const Real core = kind == MutualKind::Eclipse ? m.inner : m.outer;
  const Real s = m.separation;
  if (core > 0 && s <= core - m.radius_b) return 'T';
  if (std::fabs(core) < m.radius_b && s <= m.radius_b - std::fabs(core)) return 'A';
  return 'P';
}

std::array<Real, 4> MutualLightRemaining(const ObservationScene& scene,
                                                Real sun_distance_au) {
  std::array<Real, 4> remaining = {1, 1, 1, 1};
  for (int i = 1; i <= 4; ++i) {
    for (int j = i + 1; j <= 4; ++j) {
      const MutualDiscs eclipse = EclipseDiscs(scene, i, j, sun_distance_au);
      remaining[static_cast<std::size_t>(eclipse.b - 1)] *=
          1 - LightLost(eclipse, MutualKind::Eclipse);
      const MutualDiscs occultation = OccultationDiscs(scene, i, j);
      remaining[static_cast<std::size_t>(occultation.b - 1)] *=
          1 - LightLost(occultation, MutualKind::Occultation);
    }
  }
  return remaining;
}

Real JupiterSunDistance(Real jd) {
  // A failure is the coefficient file's, shown through the program's prompter as the scene
  // shows it.
  PlanetBody jupiter(kGeometric, &ProgramPrompter());
  PositionRec pos;
  Real r = 0;
  jupiter.HeliocentricPosition(jd, pos, r);
  if (jupiter.OutOfRange || jupiter.FileError) return std::numeric_limits<Real>::quiet_NaN();
  if (!(r >= kLeastJupiterDistance && r <= kMostJupiterDistance)) {
    ReportCoefficientFileError(jupiter, true);
    return std::numeric_limits<Real>::quiet_NaN();
  }
  return r;
}

}  // namespace jovi
