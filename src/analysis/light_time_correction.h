// What a student may allow for when predicting Io's eclipses from a mean period: the eclipses
// do not come evenly. Jupiter moves unevenly round the Sun, so the direction of its shadow
// does; Io runs ahead of and behind its mean motion in its resonance with Europa; and the
// shadow's edge lies further from its axis or nearer as Io's distance and the Sun's height
// above Jupiter's equator change. All of these are Jupiter's own affairs: they are found from
// Jupiter's heliocentric place and the published theory of the moons, at the instants the
// student's own period predicts, never from the Earth. The light time stays the student's to
// find.
#pragma once

#include <optional>

#include "analysis/io_shadow_geometry.h"
#include "analysis/light_time_phase.h"
#include "astro/planet_body.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

// The irregularities of one kind of eclipse from a reference eclipse T0 (as seen, UT).
class EclipseIrregularities {
 public:
  EclipseIrregularities(Real reference_ut_jd, EclipsePhase phase);
  EclipseIrregularities(const EclipseIrregularities&) = delete;
  EclipseIrregularities& operator=(const EclipseIrregularities&) = delete;

  // How much later (days) the eclipse `orbits` periods after T0 comes than T0 + orbits x
  // period; nothing when Jupiter cannot be placed at either.
  std::optional<Real> LatenessDays(Real orbits, Real period_days);

 private:
  SilentPrompter silent_;  // a date the ephemeris does not serve gives no lateness, no message
  PlanetBody jupiter_;
  EclipsePhase phase_;
  Real reference_jde_;  // T0 at Jupiter, a typical light time earlier
  std::optional<IoShadowEvent> reference_;
};

}  // namespace jovi
