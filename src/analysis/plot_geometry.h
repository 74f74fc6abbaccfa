// The plot's frame in pixels of the plot image, and the conversions between dates and
// offsets and pixels that the drawing, the hit test and the cross-hair share.
#pragma once

#include <cstdint>

#include "analysis/moon_plot_state.h"
#include "util/real.h"

namespace jovi {

inline constexpr int kPlotLeft = 65;     // x of PlotStart
inline constexpr int kPlotRight = 615;   // x of PlotStart + PlotDays
inline constexpr int kPlotWidth = kPlotRight - kPlotLeft;
inline constexpr int kPlotTop = 25;      // the top frame line
inline constexpr int kPlotZero = 150;    // y of offset 0
inline constexpr int kPlotBottom = 275;  // the bottom frame line
inline constexpr int kPlotHalfHeight = kPlotZero - kPlotTop;

// The plot image that fills the window's top panel.
inline constexpr int kPlotImageWidth = 658;
inline constexpr int kPlotImageHeight = 320;

// Rounds a computed pixel coordinate, halves to even; values far off the image (or not a
// number) are held at a harmless distance so that no conversion overflows.
int PixelRound(Real value);

// The pixel column of a Julian date and the pixel row of an offset.
int DateToX(const MoonPlotState& s, Real jd);
int OffsetToY(const MoonPlotState& s, Real offset);

// What a pixel stands for: days after JDBase and Jupiter diameters.
Real XToDay(const MoonPlotState& s, int x);
Real YToOffset(const MoonPlotState& s, int y);

// Inside the frame lines, where the cross-hair may stand (66..614, 26..274).
bool InsidePlotArea(int x, int y);

}  // namespace jovi
