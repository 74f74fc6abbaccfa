// What the analysis window knows about one moon's data and how it shows them: the span of
// the included points, the date base of the plot, its window and its scales.
#pragma once

#include <array>
#include <cstdint>

#include "measure/measurement_record.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

struct MoonPlotState {
  bool HasData = false;          // at least one included, measured point
  Real FirstJD = 0;       // the first included point
  Real LastJD = 0;        // the last included point (0 when there is only one)
  std::int32_t PlotStart = 0;    // left edge of the plot, whole days after JDBase
  std::int32_t JDBase = 0;       // FirstJD cut to a whole day and then to a multiple of 1000
  Real MaxAbsOffset = 0;  // largest included |offset|
  std::int32_t PointCount = 0;   // included points
  std::int32_t PlotDays = 0;     // 10, 20, 30, 40 or 50; 0 until the moon is first selected
  Real XScale = 0;        // pixels per day
  Real YScale = 0;        // pixels per Jupiter diameter
  float YStep = 0;               // offset between labels
  Real PeriodRef = 0;     // the values at the centre of the three scroll bars
  Real AmplitudeRef = 0;
  Real TZeroRef = 0;
};

using MoonPlotStates = std::array<MoonPlotState, 4>;

// Every moon's data span from the table, in date order; all other fields 0.
MoonPlotStates RebuildPlotStates(const MeasurementTable& table);

// Sets the moon's date base, plot start, width and scales from its data span (10 to 50 days,
// the data's span rounded up to whole tens). A span of more than 50 days is told in a message;
// a single point or a span of no length gets 10 days.
void InitialisePlotState(MoonPlotState& state, int moon, Prompter& prompter);

// Whether the moon is still to be initialised on its selection.
inline bool NeedsInitialising(const MoonPlotState& state) { return state.PlotDays == 0; }

// Sets the plot's width in days (10..50 in steps of 10) and the day scale with it.
void SetPlotDays(MoonPlotState& state, std::int32_t days);

}  // namespace jovi
