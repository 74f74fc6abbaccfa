// The light-time analysis of a student's timed eclipses of Io. The events of one kind (all
// entering the shadow, or all leaving it) are taken in time order; the first is the reference
// T0. With the student's mean period P each event is n = round((t - T0) / P) orbits on, and its
// delay is how much later it was seen than T0 + n P (less, when the student allows for them,
// the eclipses' own irregularities). The delays grow with the Earth-Jupiter distance: the
// student draws a line through them by hand, and its slope is the light time of one AU.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/light_time_phase.h"
#include "measure/event_record.h"
#include "util/real.h"

namespace jovi {

// One timed event, as the analysis takes it.
struct LightTimeEvent {
  Real JulianDate = 0;  // UT
  Real DistanceAU = 0;  // Earth-Jupiter
  std::string Text;
};

// The student's numbers.
struct LightTimeModel {
  Real PeriodDays = 0;
  bool AllowForIrregularities = false;
  Real OffsetSeconds = 0;
  Real SlopeSecondsPerAU = 0;
};

// One event under a model. Orbits and delay are NaN when the period gives no count (not a
// positive number, or more orbits than kMostOrbits between the events).
struct LightTimePoint {
  Real JulianDate = 0;
  Real DistanceAU = 0;
  Real Orbits = 0;
  Real DelaySeconds = 0;
  std::string Text;
};

inline constexpr Real kMostOrbits = 1.0e6_r;
// A neutral start for the period: about Io's, not the value a fit would give.
inline constexpr Real kStartPeriodDays = 1.769_r;

// The events of the records (their instants from the session's clock by `zone_hours`) of one
// kind, earliest first; a record without a finite instant or distance is left out.
std::vector<LightTimeEvent> EventsOfPhase(const std::vector<EventRecord>& records,
                                          float zone_hours, EclipsePhase phase);

// Each event's count of orbits and delay. The irregularities are left out for an event whose
// Jupiter cannot be placed (its delay is then NaN).
std::vector<LightTimePoint> LightTimePoints(const std::vector<LightTimeEvent>& events,
                                            const LightTimeModel& model, EclipsePhase phase);

// The root mean square of delay - (offset + slope x distance), seconds; NaN with fewer than two
// points with a delay.
Real LightTimeResidualSeconds(const std::vector<LightTimePoint>& points,
                              const LightTimeModel& model);

// The speed of light (km/s) a slope in seconds per AU gives; NaN for a slope that is not
// positive.
Real SpeedOfLightKmPerS(Real slope_seconds_per_au);

// The least-squares period, offset and slope from a starting period (the count of orbits taken
// again as the period settles). Nothing with fewer than three events or when no fit settles.
std::optional<LightTimeModel> BestLightTimeFit(const std::vector<LightTimeEvent>& events,
                                               Real start_period_days, bool allow_for_irregularities,
                                               EclipsePhase phase);

}  // namespace jovi
