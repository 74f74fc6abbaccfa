// What a student may allow for when predicting Io's eclipses from a mean period: the eclipses
// do not come evenly. Jupiter moves unevenly round the Sun, so the direction of its shadow
// does; and Io itself runs ahead and behind its mean motion in its resonance with Europa.
// Both are Jupiter's own affairs and are found from Jupiter's heliocentric place and the
// published theory of the moons, never from the Earth: the light time stays the student's to
// find.
#pragma once

#include <optional>

#include "analysis/light_time_phase.h"
#include "util/real.h"

namespace jovi {

// How much later (days) Io's eclipse near `ut_jd` comes than a uniform series of eclipses
// through the one near `reference_ut_jd` would put it, for eclipses of one kind. Both instants
// are those seen from the Earth (UT); the irregularities are taken a fixed, typical light time
// earlier. Nothing when Jupiter's place cannot be had for either instant.
std::optional<Real> EclipseIrregularityDays(Real ut_jd, Real reference_ut_jd, EclipsePhase phase);

}  // namespace jovi
