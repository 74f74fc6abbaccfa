// Where Io stands when it enters or leaves Jupiter's shadow, told from Jupiter's side only:
// the direction of the shadow from Jupiter's heliocentric place, and Io's own departures from
// its mean motion, distance and latitude from the published theory of the moons. Nothing here
// knows where the Earth is.
#pragma once

#include <optional>

#include "analysis/light_time_phase.h"
#include "util/real.h"

namespace jovi {

class PlanetBody;

// Radians, in the theory's longitudes (measured along Jupiter's equator, without precession).
struct IoShadowEvent {
  Real ShadowLongitude = 0;  // of the shadow's axis
  Real ShadowLatitude = 0;   // of the shadow's axis above Jupiter's equator
  Real ChordAngle = 0;       // Io's true longitude less the shadow's at the event (ingress < 0)
  Real IoLead = 0;           // Io's true longitude less its mean longitude at the event
};

// The event of the kind near the dynamical date `jde` (at Jupiter; the date only has to be
// within a few hours), Jupiter placed by `jupiter` (a geometric body; its messages are the
// caller's affair). Nothing for Neither or when Jupiter cannot be placed.
std::optional<IoShadowEvent> IoShadowEventNear(PlanetBody& jupiter, Real jde, EclipsePhase phase);

}  // namespace jovi
