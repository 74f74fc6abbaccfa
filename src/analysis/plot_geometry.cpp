#include "analysis/plot_geometry.h"

#include <cmath>

#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kFarPixel = 100000;

}  // namespace

int PixelRound(Real value) {
  if (std::isnan(value)) return static_cast<int>(kFarPixel);
  return static_cast<int>(std::nearbyint(std::fmax(-kFarPixel, std::fmin(kFarPixel, value))));
}

int DateToX(const MoonPlotState& s, Real jd) {
  return kPlotLeft +
         PixelRound(s.XScale * (jd - (static_cast<Real>(s.JDBase) + s.PlotStart)));
}

int OffsetToY(const MoonPlotState& s, Real offset) {
  return kPlotZero - PixelRound(s.YScale * offset);
}

Real XToDay(const MoonPlotState& s, int x) {
  return s.XScale > 0 ? (x - kPlotLeft) / s.XScale + s.PlotStart : s.PlotStart;
}

Real YToOffset(const MoonPlotState& s, int y) {
  return s.YScale > 0 ? (kPlotZero - y) / s.YScale : 0;
}

bool InsidePlotArea(int x, int y) {
  return x > kPlotLeft && x < kPlotRight && y > kPlotTop && y < kPlotBottom;
}

}  // namespace jovi
