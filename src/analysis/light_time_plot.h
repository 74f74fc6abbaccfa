// The light-time plot's ranges: delay (seconds) against the Earth-Jupiter distance (AU), with
// round ends that take in every point and the student's line across the distances shown.
#pragma once

#include <vector>

#include "analysis/light_time_fit.h"

namespace jovi {

struct LightTimePlotRange {
  Real MinAU = 0;
  Real MaxAU = 0;
  Real MinDelay = 0;
  Real MaxDelay = 0;
};

// Distances in half AU, delays in steps of 1, 2 or 5 times a power of ten (about five to a
// range); points without a delay and a line that is not finite count for nothing. An empty
// plot shows 4 to 6.5 AU and 0 to 1000 s.
LightTimePlotRange LightTimePlot(const std::vector<LightTimePoint>& points,
                                 const LightTimeModel& model);

}  // namespace jovi
