#include "almanac/mutual_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "astro/planet_body.h"
#include "util/prompter.h"

namespace jovi {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// The scene's perspective divides Z by this many Jupiter radii per AU.
constexpr long double kScenePerspectiveRadiiPerAU = 2095;
constexpr long double kJupiterRadiiPerAU = kAstronomicalUnitKm / kJupiterEquatorialRadiusKm;

// Gauss-Legendre nodes and weights on [-1, 1], 8 points.
constexpr std::array<long double, 8> kGaussNodes = {
    -0.9602898564975363L, -0.7966664774136267L, -0.5255324099163290L, -0.1834346424956498L,
    0.1834346424956498L,  0.5255324099163290L,  0.7966664774136267L,  0.9602898564975363L};
constexpr std::array<long double, 8> kGaussWeights = {
    0.1012285362903763L, 0.2223810344533745L, 0.3137066458778873L, 0.3626837833783620L,
    0.3626837833783620L, 0.3137066458778873L, 0.2223810344533745L, 0.1012285362903763L};
constexpr int kPanelsPerPiece = 4;

long double Radius(int moon) { return kMoonMeanRadius[static_cast<std::size_t>(moon - 1)]; }

// The scene's perspective factor for a moon at depth z (Earth-Jupiter distance delta, AU).
long double ScenePerspective(long double delta_au, long double z) {
  return delta_au / (delta_au + z / kScenePerspectiveRadiiPerAU);
}

// The length of the circle of radius rho about the shadow axis that lies on b's disc (radius
// rb, its centre s from the axis).
long double ArcOnDisc(long double rho, long double s, long double rb) {
  if (rho + s <= rb) return 2 * kPi * rho;
  if (rho >= s + rb || rho <= s - rb) return 0;
  const long double c = (rho * rho + s * s - rb * rb) / (2 * rho * s);
  return 2 * rho * std::acos(std::clamp(c, -1.0L, 1.0L));
}

// Fraction of the Sun's light a takes from a point rho from the shadow axis, at depth d behind
// a: the Sun's disc (radius d * alpha once scaled by d) partly covered by a's (radius ra).
long double SunlightBlocked(long double rho, const MutualDiscs& m, long double ra) {
  const long double sun = m.depth * m.sun_angle;
  return DiscOverlapArea(sun, ra, rho) / (kPi * sun * sun);
}

long double EclipseLightLost(const MutualDiscs& m) {
  const long double ra = (m.inner + m.outer) / 2;  // the umbra and penumbra straddle a's radius
  const long double s = m.separation;
  const long double rb = m.radius_b;
  if (m.depth * m.sun_angle <= 1e-12L * rb) {
    return DiscOverlapArea(ra, rb, s) / (kPi * rb * rb);
  }
  const long double lo = std::max(0.0L, s - rb);
  const long double hi = std::min(s + rb, m.outer);
  if (hi <= lo) return 0;
  // Integrate over rings about the axis; the pieces end where either factor has a kink.
  std::array<long double, 4> cuts = {lo, hi, std::fabs(m.inner), rb - s};
  std::sort(cuts.begin(), cuts.end());
  long double sum = 0;
  long double from = lo;
  for (const long double cut : cuts) {
    const long double to = std::min(cut, hi);
    if (to <= from) continue;
    const long double panel = (to - from) / kPanelsPerPiece;
    for (int p = 0; p < kPanelsPerPiece; ++p) {
      const long double mid = from + (p + 0.5L) * panel;
      for (std::size_t k = 0; k < kGaussNodes.size(); ++k) {
        const long double rho = mid + kGaussNodes[k] * panel / 2;
        sum += kGaussWeights[k] * panel / 2 * SunlightBlocked(rho, m, ra) * ArcOnDisc(rho, s, rb);
      }
    }
    from = to;
  }
  return std::clamp(sum / (kPi * rb * rb), 0.0L, 1.0L);
}

}  // namespace

long double DiscOverlapArea(long double r1, long double r2, long double d) {
  d = std::fabs(d);
  if (d >= r1 + r2) return 0;
  const long double small = std::min(r1, r2);
  if (d <= std::fabs(r1 - r2)) return kPi * small * small;
  const long double c1 = std::clamp((d * d + r1 * r1 - r2 * r2) / (2 * d * r1), -1.0L, 1.0L);
  const long double c2 = std::clamp((d * d + r2 * r2 - r1 * r1) / (2 * d * r2), -1.0L, 1.0L);
  const long double k = (-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2);
  return r1 * r1 * std::acos(c1) + r2 * r2 * std::acos(c2) - std::sqrt(std::max(0.0L, k)) / 2;
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
  const long double wa = ScenePerspective(scene.JupiterDistance, sa.Z);
  const long double wb = ScenePerspective(scene.JupiterDistance, sb.Z);
  MutualDiscs m;
  m.a = a;
  m.b = b;
  m.separation = std::hypot(sb.X - sa.X, sb.Y - sa.Y) / wb;
  m.radius_b = Radius(b);
  m.inner = m.outer = Radius(a) * wa / wb;
  return m;
}

MutualDiscs EclipseDiscs(const ObservationScene& scene, int i, int j, long double sun_distance_au) {
  const SatelliteState& si = scene.Satellite(i);
  const SatelliteState& sj = scene.Satellite(j);
  const bool i_nearer = si.SunZ < sj.SunZ;
  const int a = i_nearer ? i : j;
  const int b = i_nearer ? j : i;
  const SatelliteState& sa = i_nearer ? si : sj;
  const SatelliteState& sb = i_nearer ? sj : si;
  // The scene puts SunX, SunY in perspective with the Earth's distance; the rays come from the
  // Sun, so the axis of a's shadow is drawn from the Sun's true distance.
  const long double sun = sun_distance_au * kJupiterRadiiPerAU;
  const long double unscale_a = 1 / ScenePerspective(scene.JupiterDistance, sa.SunZ);
  const long double unscale_b = 1 / ScenePerspective(scene.JupiterDistance, sb.SunZ);
  const long double along = (sun + sb.SunZ) / (sun + sa.SunZ);
  const long double axis_x = sa.SunX * unscale_a * along;
  const long double axis_y = sa.SunY * unscale_a * along;
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

long double LightLost(const MutualDiscs& m, MutualKind kind) {
  if (m.Clearance() >= 0) return 0;
  if (kind == MutualKind::Eclipse) return EclipseLightLost(m);
  return std::clamp(
      DiscOverlapArea(m.outer, m.radius_b, m.separation) / (kPi * m.radius_b * m.radius_b), 0.0L,
      1.0L);
}

char EventKindLetter(const MutualDiscs& m, MutualKind kind) {
  // The umbra of an eclipse plays the part of a's disc; beyond its apex (inner < 0) the
  // antumbra can only make an annular eclipse.
  const long double core = kind == MutualKind::Eclipse ? m.inner : m.outer;
  const long double s = m.separation;
  if (core > 0 && s <= core - m.radius_b) return 'T';
  if (std::fabs(core) < m.radius_b && s <= m.radius_b - std::fabs(core)) return 'A';
  return 'P';
}

std::array<long double, 4> MutualLightRemaining(const ObservationScene& scene,
                                                long double sun_distance_au) {
  std::array<long double, 4> remaining = {1, 1, 1, 1};
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

long double JupiterSunDistance(long double jd) {
  // A failure is the coefficient file's, shown through the program's prompter as the scene
  // shows it.
  PlanetBody jupiter(kGeometric, &ProgramPrompter());
  PositionRec pos;
  long double r = 0;
  jupiter.HeliocentricPosition(jd, pos, r);
  if (jupiter.OutOfRange || jupiter.FileError) return std::numeric_limits<long double>::quiet_NaN();
  if (!(r >= kLeastJupiterDistance && r <= kMostJupiterDistance)) {
    ReportCoefficientFileError(jupiter, true);
    return std::numeric_limits<long double>::quiet_NaN();
  }
  return r;
}

}  // namespace jovi
