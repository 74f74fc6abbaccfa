#include "analysis/sine_model.h"

#include <cmath>
#include <cstddef>
#include <numbers>

#include "analysis/moon.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kFullJulianDate = 1050;

}  // namespace

bool CurveDefined(const SineParameters& p) {
  return p.Period != 0 && p.Amplitude != 0 && p.TZero != 0;
}

Real PredictedOffset(const SineParameters& p, Real t) {
  if (p.Period == 0) return 0;
  return p.Amplitude * std::sin(2 * std::numbers::pi_v<Real> * (t - p.TZero) / p.Period);
}

void ConvertTZero(SineParameters& p, std::int32_t jd_base) {
  if (p.TZero >= kFullJulianDate) p.TZero -= jd_base;
  p.TZeroBase = jd_base;
}

Real FullTZero(const SineParameters& p, std::int32_t jd_base) {
  return static_cast<Real>(jd_base) + p.TZero;
}

Real ComputeRmsResidual(const MeasurementTable& table, int moon, const MoonPlotState& s,
                               SineParameters& p) {
  p.RmsResidual = 0;
  if (!IsMoon(moon)) return 0;
  const auto k = static_cast<std::size_t>(moon - 1);
  const Real window_end = static_cast<Real>(s.PlotStart) + s.PlotDays;
  Real sum = 0;
  // Counted wide: a count of 16 bits would wrap on a long table and spoil the mean.
  std::int64_t count = 0;
  bool past_window = false;
  table.ForEach([&](const MeasurementRecord& r) {
    if (past_window || !r.Included[k]) return;
    const Real t = r.JulianDay - s.JDBase;
    if (t > window_end) {
      past_window = true;
      return;
    }
    if (r.Offset[k] >= kNoMeasurement) return;
    const Real d = PredictedOffset(p, t) - r.Offset[k];
    sum += d * d;
    ++count;
  });
  p.RmsResidual = count > 0 ? std::sqrt(sum / static_cast<Real>(count)) : 0;
  return p.RmsResidual;
}

}  // namespace jovi
