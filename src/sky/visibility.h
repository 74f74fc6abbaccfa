// Whether Jupiter can be seen from a place at an instant: high enough above the horizon in a
// dark enough sky. The moons' almanac keeps only the events that pass.
//
// Jupiter's altitude is the apparent one (with the standard refraction: where the eye sees it);
// the Sun's is its true (airless) altitude, the quantity twilight is defined by (civil twilight
// ends when the Sun's centre is 6 degrees below the horizon). Both limits are inclusive:
// Jupiter exactly min_alt_deg high and the Sun exactly sun_below_deg down pass.
#pragma once

#include "sky/observer_place.h"
#include "sky/sky_ephemeris.h"
#include "util/real.h"

namespace jovi {

struct VisibilityLimits {
  Real min_alt_deg = 10;   // Jupiter at least this high
  Real sun_below_deg = 6;  // the Sun at least this far below the horizon
};

struct JupiterVisibility {
  bool available = false;  // false: Jupiter's place is not known for the date (nothing else set)
  Real jupiter_altitude_deg = 0;
  Real jupiter_azimuth_deg = 0;
  Real sun_altitude_deg = 0;
  bool jupiter_high_enough = false;
  bool sky_dark_enough = false;
  bool visible = false;  // both
};

// With the given ephemeris (reused across calls, so that the coefficient file is read once
// per five-year block).
JupiterVisibility VisibleFrom(SkyEphemeris& sky, const ObserverPlace& place, Real jd_ut,
                              const VisibilityLimits& limits = {});

// With a program-wide ephemeris whose messages go to the program's prompter.
JupiterVisibility VisibleFrom(const ObserverPlace& place, Real jd_ut,
                              const VisibilityLimits& limits = {});

}  // namespace jovi
