#include "analysis/light_time_correction.h"

#include <cmath>
#include <numbers>

#include "astro/planet_body.h"
#include "astro/position_rec.h"
#include "astro/time_scales.h"

namespace jovi {

namespace {

constexpr Real kDegree = std::numbers::pi_v<Real> / 180;
// Jupiter's mean motion round the Sun (degrees a day): its sidereal period, 4332.59 days.
constexpr Real kJupiterMeanMotion = 360 / 4332.59_r;
// Io's mean motion relative to the Sun's direction from Jupiter, degrees a day.
constexpr Real kIoMeanMotion = 203.488955790_r;
constexpr Real kIoSynodicMotion = kIoMeanMotion - kJupiterMeanMotion;
// Light from Jupiter takes this long at a typical distance (5.2 AU): the irregularities are
// taken at the instant the light left Jupiter, near enough.
constexpr Real kTypicalLightDays = 5.2_r * 0.0057755183_r;

struct JupiterSide {
  Real longitude_deg;  // Jupiter's heliocentric longitude
  Real io_lead_deg;    // Io's longitude ahead of its mean longitude
};

std::optional<JupiterSide> At(Real ut_jd) {
  const Real light_left = ut_jd - kTypicalLightDays;
  PlanetBody jupiter(kGeometric);
  PositionRec pos;
  Real r = 0;
  jupiter.HeliocentricPosition(light_left, pos, r);
  if (jupiter.OutOfRange || jupiter.FileError || !std::isfinite(pos.Longitude)) return std::nullopt;
  // Io's main periodic term (its forced eccentricity in the resonance with Europa).
  const Real d = TDTFromUT(light_left) - 2443000.5_r;
  const Real l1 = 106.07719_r + 203.488955790_r * d;
  const Real l2 = 175.73161_r + 101.374724735_r * d;
  const Real lead = 0.47259_r * std::sin(2 * (l1 - l2) * kDegree);
  return JupiterSide{pos.Longitude / kDegree, lead};
}

Real Wrapped180(Real deg) { return deg - 360 * std::nearbyint(deg / 360); }

}  // namespace

std::optional<Real> EclipseIrregularityDays(Real ut_jd, Real reference_ut_jd, EclipsePhase) {
  const std::optional<JupiterSide> now = At(ut_jd);
  const std::optional<JupiterSide> then = At(reference_ut_jd);
  if (!now || !then) return std::nullopt;
  // The shadow's direction ahead of its mean motion, and Io behind its own: both delay the
  // eclipse by the time Io takes to make up the angle.
  const Real shadow_ahead = Wrapped180(now->longitude_deg - then->longitude_deg -
                                       kJupiterMeanMotion * (ut_jd - reference_ut_jd));
  const Real io_behind = -(now->io_lead_deg - then->io_lead_deg);
  return (shadow_ahead + io_behind) / kIoSynodicMotion;
}

}  // namespace jovi
