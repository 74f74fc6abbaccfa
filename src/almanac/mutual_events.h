// The moons' mutual events over an interval of UT: every occultation of one moon by another
// (seen from the Earth) and every eclipse of one moon by another's shadow (seen from the Sun).
//
// The search steps through time by a step that the moons' relative motion makes safe: no pair's
// clearance (see MutualDiscs) can change sign within |clearance| / (the pair's fastest relative
// speed). Where that step falls below a floor, the interval is halved until each piece either
// cannot hold a contact or is shorter than a second.
#pragma once

#include <string>
#include <vector>

#include "almanac/mutual_geometry.h"
#include "util/real.h"

namespace jovi {

struct MutualEvent {
  int a = 0, b = 0;  // a occults or eclipses b
  MutualKind kind = MutualKind::Occultation;
  char type = 'P';         // partial, annular or total at the middle
  Real begin = 0;   // UT Julian dates
  Real middle = 0;  // least separation
  Real end = 0;
  Real light_lost = 0;    // fraction of b's light at the middle
  bool behind_jupiter = false;   // b occulted by Jupiter or in its shadow at the middle
  bool below_threshold = false;  // light_lost under the threshold asked for

  bool Hidden() const { return behind_jupiter || below_threshold; }
  // "1O2", "3E4".
  std::string Code() const;
};

struct MutualSearch {
  std::vector<MutualEvent> events;  // by beginning
  bool failed = false;              // Jupiter's place was not available: the list is cut short
};

inline constexpr Real kDefaultMinimumDrop = 0.03_r;

// The events whose middle lies in [from, to] (UT JDs, both included). Without include_hidden
// only the visible ones with at least min_drop of b's light lost are kept.
MutualSearch FindMutualEvents(Real from, Real to, Real min_drop,
                              bool include_hidden);

// The bound on how fast the clearance of moons i and j can change, Jupiter radii per day.
Real MutualClearanceSpeedBound(int i, int j);

}  // namespace jovi
