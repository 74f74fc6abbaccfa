// Every number of the analysis plot: frame, ticks, labels, points, the sine curve and the
// cross-hair, as the shapes the window paints.
#pragma once

#include "analysis/moon_plot_state.h"
#include "analysis/plot_picture.h"
#include "analysis/sine_model.h"
#include "measure/measurement_record.h"

namespace jovi {

struct PlotView {
  int Moon = 0;  // 0: no moon selected
  const MoonPlotState* State = nullptr;
  const SineParameters* Sine = nullptr;  // with TZero already converted
  const MeasurementTable* Table = nullptr;
  bool ConnectPoints = false;  // else the points are shown one by one
  bool ShowCurve = false;
  int CrossX = 0, CrossY = 0;
};

// The whole plot: the prompt "Select Moon from Menu" without a moon, else frame, ticks,
// labels, title, points, the curve when shown, and the cross-hair.
PlotPicture BuildPlotPicture(const PlotView& view);

// The parts, each appended to the picture.
void AddFrameAndTicks(PlotPicture& picture, const MoonPlotState& s);
void AddLabels(PlotPicture& picture, int moon, const MoonPlotState& s);
void AddPoints(PlotPicture& picture, int moon, const MoonPlotState& s,
               const MeasurementTable& table, bool connect);
void AddSineCurve(PlotPicture& picture, const MoonPlotState& s, const SineParameters& p);
// True when the cross-hair stands inside the plot area and was drawn.
bool AddCrossHair(PlotPicture& picture, int x, int y);

}  // namespace jovi
