// The Moon Events window's search: every event of the four moons over the span from the
// observation time, the hidden ones included, and the mutual events of the span when asked
// for; the window's filter then chooses what it lists.
#pragma once

#include <string>
#include <vector>

#include "almanac/moon_events.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

struct AlmanacSearch {
  std::vector<MoonEvent> found;  // every moon and kind, hidden ones included, in time order
  bool mutual = false;           // the mutual events of the span are among them
  int days = 0;                  // the span searched, clamped to the window's limits
  std::string error;             // empty when the search went through
};

// Searches [from_ut, from_ut + days] (days clamped to one day .. one year); the first message
// of the ephemeris goes to `prompter`.
AlmanacSearch SearchAlmanac(Real from_ut, int days, bool mutual, Prompter& prompter);

// The line the window adds under its list when the search failed.
std::string AlmanacErrorLine(const std::string& error);

}  // namespace jovi
