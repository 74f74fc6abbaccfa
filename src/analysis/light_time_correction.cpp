#include "analysis/light_time_correction.h"

#include <cmath>
#include <numbers>

#include "astro/time_scales.h"

namespace jovi {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kDegree = kPi / 180;
// Jupiter's mean motion round the Sun (its sidereal period, 4332.59 days) and Io's mean motion
// relative to the Sun's direction from Jupiter, radians a day.
constexpr Real kJupiterMeanMotion = 360 / 4332.59_r * kDegree;
constexpr Real kIoSynodicMotion = 203.488955790_r * kDegree - kJupiterMeanMotion;
constexpr Real kLightDaysPerAU = 0.0057755183_r;
// T0 is taken at Jupiter a typical light time before it was seen: a season's first eclipse
// entering the shadow is seen months before opposition, with Jupiter far off; the first
// leaving it soon after opposition, with Jupiter near (AU).
constexpr Real kTypicalFirstEnteringAU = 5.8_r;
constexpr Real kTypicalFirstLeavingAU = 4.5_r;
// The lateness moves the instant it is taken at; it settles in two or three rounds.
constexpr int kSettlingRounds = 3;

Real Wrapped(Real angle) { return angle - 2 * kPi * std::nearbyint(angle / (2 * kPi)); }

}  // namespace

EclipseIrregularities::EclipseIrregularities(Real reference_ut_jd, EclipsePhase phase)
    : jupiter_(kGeometric, &silent_),
      phase_(phase),
      reference_jde_(TDTFromUT(reference_ut_jd) -
                     kLightDaysPerAU * (phase == EclipsePhase::Leaving ? kTypicalFirstLeavingAU
                                                                      : kTypicalFirstEnteringAU)),
      reference_(IoShadowEventNear(jupiter_, reference_jde_, phase)) {}

std::optional<Real> EclipseIrregularities::LatenessDays(Real orbits, Real period_days) {
  if (!reference_) return std::nullopt;
  const Real mean_days = orbits * period_days;
  Real late = 0;
  for (int round = 0; round < kSettlingRounds; ++round) {
    const Real days = mean_days + late;
    const std::optional<IoShadowEvent> e = IoShadowEventNear(jupiter_, reference_jde_ + days, phase_);
    if (!e) return std::nullopt;
    // Io's mean longitude at the event is the shadow's, plus the angle to the shadow's edge,
    // less Io's lead on its mean motion. Where the shadow runs ahead of its mean motion, the
    // edge lies further on or Io lags, the event comes late by the time Io takes to make it
    // up.
    const Real shadow_ahead = Wrapped(e->ShadowLongitude - reference_->ShadowLongitude -
                                      kJupiterMeanMotion * days);
    const Real edge_further = e->ChordAngle - reference_->ChordAngle;
    const Real io_behind = -(e->IoLead - reference_->IoLead);
    late = (shadow_ahead + edge_further + io_behind) / kIoSynodicMotion;
  }
  return late;
}

}  // namespace jovi
