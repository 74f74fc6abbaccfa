// The double-click on the plot: which point lies under the mouse, and the question that
// removes it from the residual or restores it.
#pragma once

#include "analysis/moon_plot_state.h"
#include "measure/measurement_record.h"
#include "util/prompter.h"

namespace jovi {

// The first record in date order whose measured point of `moon` lies within 4 pixels of
// (x, y) both ways; nothing outside the plot area or away from every point.
MeasurementRecord* FindPointAt(MeasurementTable& table, int moon, const MoonPlotState& s, int x,
                               int y);

// Asks whether to remove the point at (x, y) from the residual (or to restore an excluded
// one) and flips its Included flag on Yes. True when a flag changed.
bool TogglePointAt(MeasurementTable& table, int moon, const MoonPlotState& s, int x, int y,
                   Prompter& prompter);

}  // namespace jovi
