#include "analysis/io_shadow_geometry.h"

#include <cmath>
#include <numbers>

#include "astro/galilean_angles.h"
#include "astro/galilean_series.h"
#include "astro/planet_body.h"
#include "astro/position_rec.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"

namespace jovi {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
// Io's place is settled by taking the theory's terms again at the place they give.
constexpr int kSettlingRounds = 4;
constexpr int kChordHalvings = 60;

struct Vector {
  Real x, y, z;
};

Vector RotateZ(const Vector& v, Real angle) {
  const Real c = std::cos(angle), s = std::sin(angle);
  return {v.x * c - v.y * s, v.x * s + v.y * c, v.z};
}

Vector RotateX(const Vector& v, Real angle) {
  const Real c = std::cos(angle), s = std::sin(angle);
  return {v.x, v.y * c - v.z * s, v.y * s + v.z * c};
}

// The shadow's axis (the Sun's direction seen from Jupiter, reversed) in Jupiter's equatorial
// frame: the theory's rotations from the equator to the ecliptic of date, undone.
Vector ShadowAxisInEquator(Real helio_longitude, Real helio_latitude, Real jde, Real psi) {
  const JupiterEquatorFrame f = JupiterEquatorFrameAt(jde);
  const Real phi = psi + f.Precession - f.Omega;
  Vector v{std::cos(helio_latitude) * std::cos(helio_longitude),
           std::cos(helio_latitude) * std::sin(helio_longitude), std::sin(helio_latitude)};
  v = RotateZ(v, -f.Omega);
  v = RotateX(v, -f.i);
  v = RotateZ(v, -phi);
  return RotateX(v, -f.I);
}

// Io at `radius` (equatorial radii), latitude `latitude`, `angle` along the equator from the
// shadow's axis (latitude `axis_latitude`) is inside the flattened shadow when this is not
// positive.
Real OutsideShadow(Real angle, Real radius, Real latitude, Real axis_latitude) {
  const Real along = radius * (std::cos(latitude) * std::cos(angle) * std::cos(axis_latitude) +
                               std::sin(latitude) * std::sin(axis_latitude));
  const Real north = radius * (std::cos(latitude) * std::sin(axis_latitude) * -std::cos(angle) +
                               std::sin(latitude) * std::cos(axis_latitude));
  const Real across_sq = radius * radius - along * along - north * north;
  return across_sq + kDiscFlattening * kDiscFlattening * north * north - 1;
}

// The angle from the shadow's axis at which Io crosses the shadow's edge: between -pi/2 and 0
// entering, 0 and pi/2 leaving.
Real ChordAngle(Real radius, Real latitude, Real axis_latitude, EclipsePhase phase) {
  Real inside = 0;
  Real outside = phase == EclipsePhase::Entering ? -kPi / 2 : kPi / 2;
  for (int i = 0; i < kChordHalvings; ++i) {
    const Real mid = (inside + outside) / 2;
    (OutsideShadow(mid, radius, latitude, axis_latitude) > 0 ? outside : inside) = mid;
  }
  return (inside + outside) / 2;
}

void Set(GalileanAngles& angles, GalileanAngle which, Real value) {
  angles[static_cast<std::size_t>(which)] = value;
}

}  // namespace

std::optional<IoShadowEvent> IoShadowEventNear(PlanetBody& jupiter, Real jde, EclipsePhase phase) {
  if (phase == EclipsePhase::Neither) return std::nullopt;
  PositionRec pos;
  Real r = 0;
  jupiter.HeliocentricPosition(UTFromTDT(jde), pos, r);
  if (jupiter.OutOfRange || jupiter.FileError || !std::isfinite(pos.Longitude) ||
      !std::isfinite(pos.Latitude)) {
    return std::nullopt;
  }
  const Real t = jde - 2443000.5_r;
  const GalileanSecularAngles secular = GalileanSecularAnglesAt(t);
  const Vector axis = ShadowAxisInEquator(pos.Longitude, pos.Latitude, jde, secular.psi);

  IoShadowEvent e;
  e.ShadowLongitude = std::atan2(axis.y, axis.x) + secular.psi;
  e.ShadowLatitude = std::asin(std::fmax(-1.0_r, std::fmin(1.0_r, axis.z)));

  GalileanAngles angles{};
  SetSecularAngles(angles, secular);

  // Io is at the shadow's edge: its mean longitude follows from its true one there, and
  // Europa's from the resonance l1 - 3 l2 + 2 l3 = 180 degrees, so neither needs the instant
  // more closely than the slow Ganymede does.
  const GalileanSeries& series = GalileanTerms();
  e.ChordAngle = phase == EclipsePhase::Entering ? -0.17_r : 0.17_r;
  for (int round = 0; round < kSettlingRounds; ++round) {
    const Real true_longitude = e.ShadowLongitude + e.ChordAngle;
    const Real l1 = true_longitude - e.IoLead;
    Set(angles, GalileanAngle::l1, l1);
    const Real l2 = (l1 + 2 * secular.l[2] - kPi) / 3;
    constexpr Real kBranch = 2 * kPi / 3;
    Set(angles, GalileanAngle::l2, l2 + kBranch * std::nearbyint((secular.l[1] - l2) / kBranch));
    e.IoLead = EvaluateSeries(series.longitude[0], angles);
    Set(angles, GalileanAngle::S1, e.IoLead);
    Set(angles, GalileanAngle::L1, true_longitude);
    const Real latitude = std::atan(EvaluateSeries(series.latitude[0], angles));
    const Real radius = kGalileanMeanDistance[0] * (1 + EvaluateSeries(series.radius[0], angles));
    e.ChordAngle = ChordAngle(radius, latitude, e.ShadowLatitude, phase);
  }
  return e;
}

}  // namespace jovi
