#include "analysis/plot_geometry.h"

#include <cmath>

namespace jovi {

namespace {

constexpr long double kFarPixel = 100000;

}  // namespace

int PixelRound(long double value) {
  if (std::isnan(value)) return static_cast<int>(kFarPixel);
  return static_cast<int>(std::nearbyint(std::fmax(-kFarPixel, std::fmin(kFarPixel, value))));
}

int DateToX(const MoonPlotState& s, long double jd) {
  return kPlotLeft +
         PixelRound(s.XScale * (jd - (static_cast<long double>(s.JDBase) + s.PlotStart)));
}

int OffsetToY(const MoonPlotState& s, long double offset) {
  return kPlotZero - PixelRound(s.YScale * offset);
}

long double XToDay(const MoonPlotState& s, int x) {
  return s.XScale > 0 ? (x - kPlotLeft) / s.XScale + s.PlotStart : s.PlotStart;
}

long double YToOffset(const MoonPlotState& s, int y) {
  return s.YScale > 0 ? (kPlotZero - y) / s.YScale : 0;
}

bool InsidePlotArea(int x, int y) {
  return x > kPlotLeft && x < kPlotRight && y > kPlotTop && y < kPlotBottom;
}

}  // namespace jovi
