#include "analysis/light_time_plot.h"

#include <algorithm>
#include <cmath>

namespace jovi {

namespace {

constexpr Real kAUStep = 0.5_r;
constexpr Real kDefaultMinAU = 4.0_r;
constexpr Real kDefaultMaxAU = 6.5_r;
constexpr Real kDefaultMaxDelay = 1000;
constexpr Real kDelaySteps = 5;
// Delays beyond this (seconds, some days) are off any sensible plot: the ends stop there.
constexpr Real kMostDelay = 1.0e7_r;

// 1, 2 or 5 times a power of ten, at least `span` / kDelaySteps.
Real RoundStep(Real span) {
  const Real rough = span / kDelaySteps;
  const Real power = std::pow(10.0_r, std::floor(std::log10(rough)));
  for (const Real m : {1.0_r, 2.0_r, 5.0_r}) {
    if (m * power >= rough) return m * power;
  }
  return 10 * power;
}

}  // namespace

LightTimePlotRange LightTimePlot(const std::vector<LightTimePoint>& points,
                                 const LightTimeModel& model) {
  Real lo_au = INFINITY, hi_au = -INFINITY;
  Real lo = INFINITY, hi = -INFINITY;
  for (const LightTimePoint& p : points) {
    if (!std::isfinite(p.DistanceAU)) continue;
    lo_au = std::min(lo_au, p.DistanceAU);
    hi_au = std::max(hi_au, p.DistanceAU);
    if (!std::isfinite(p.DelaySeconds)) continue;
    lo = std::min(lo, p.DelaySeconds);
    hi = std::max(hi, p.DelaySeconds);
  }
  LightTimePlotRange range;
  if (lo_au > hi_au) {
    lo_au = kDefaultMinAU;
    hi_au = kDefaultMaxAU;
  }
  range.MinAU = std::floor(lo_au / kAUStep) * kAUStep;
  range.MaxAU = std::ceil(hi_au / kAUStep) * kAUStep;
  if (range.MaxAU - range.MinAU < kAUStep) range.MaxAU = range.MinAU + kAUStep;
  for (const Real au : {range.MinAU, range.MaxAU}) {
    const Real on_line = model.OffsetSeconds + model.SlopeSecondsPerAU * au;
    if (!std::isfinite(on_line)) continue;
    lo = std::min(lo, on_line);
    hi = std::max(hi, on_line);
  }
  if (lo > hi) {
    lo = 0;
    hi = kDefaultMaxDelay;
  }
  lo = std::clamp(lo, -kMostDelay, kMostDelay);
  hi = std::clamp(hi, -kMostDelay, kMostDelay);
  if (hi - lo < 1) hi = lo + 1;
  const Real step = RoundStep(hi - lo);
  range.MinDelay = std::floor(lo / step) * step;
  range.MaxDelay = std::ceil(hi / step) * step;
  if (range.MaxDelay <= range.MinDelay) range.MaxDelay = range.MinDelay + step;
  return range;
}

}  // namespace jovi
