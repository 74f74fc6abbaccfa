#include "analysis/moon_plot_state.h"

#include <cmath>
#include <cstddef>

#include "analysis/moon.h"
#include "analysis/plot_geometry.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr std::int32_t kLongestPlotDays = 50;
constexpr std::int32_t kShortestPlotDays = 10;

}  // namespace

MoonPlotStates RebuildPlotStates(const MeasurementTable& table) {
  MoonPlotStates states{};
  table.ForEach([&states](const MeasurementRecord& r) {
    for (std::size_t k = 0; k < states.size(); ++k) {
      const float offset = r.Offset[k];
      if (offset == kNoMeasurement || !r.Included[k]) continue;
      MoonPlotState& s = states[k];
      s.HasData = true;
      if (s.FirstJD == 0) {
        s.FirstJD = r.JulianDay;
      } else {
        s.LastJD = r.JulianDay;
      }
      s.MaxAbsOffset = std::fmax(s.MaxAbsOffset, std::fabs(static_cast<Real>(offset)));
      ++s.PointCount;
    }
  });
  return states;
}

void SetPlotDays(MoonPlotState& state, std::int32_t days) {
  state.PlotDays = days < kShortestPlotDays  ? kShortestPlotDays
                   : days > kLongestPlotDays ? kLongestPlotDays
                                             : days / 10 * 10;
  state.XScale = static_cast<Real>(kPlotWidth) / state.PlotDays;
}

void InitialisePlotState(MoonPlotState& state, int moon, Prompter& prompter) {
  // Julian dates of the years the program serves are far inside 32 bits.
  const Real whole_day = std::floor(state.FirstJD);
  state.JDBase = static_cast<std::int32_t>(std::floor(whole_day / 1000) * 1000);
  state.PlotStart = static_cast<std::int32_t>(whole_day) - state.JDBase;
  // With one point LastJD stays 0: its span is taken as none.
  const Real span = state.LastJD > state.FirstJD ? state.LastJD - state.FirstJD : 0;
  const Real tens = std::ceil(span / 10);
  if (tens > 5) {
    SetPlotDays(state, kLongestPlotDays);
    prompter.Tell(
        "Your Data Covers More Than 50 Days, and Cannot All\r\n"
        "Be Displayed On The Same Graph.  Select \"Plot\" ->\r\n"
        "\"Data Span\" To Adjust The Display Interval.",
        "Data Span > 50 Days", Icon::Information);
  } else {
    SetPlotDays(state, static_cast<std::int32_t>(tens) * 10);
  }
  state.YStep = MoonYStep(moon);
  state.YScale = static_cast<Real>(2 * kPlotHalfHeight) / (6 * state.YStep);
}

}  // namespace jovi
