// The sine curve fitted to one moon's offsets, and its RMS residual against the table.
#pragma once

#include <array>
#include <cstdint>

#include "analysis/moon_plot_state.h"
#include "measure/measurement_record.h"
#include "util/real.h"

namespace jovi {

struct SineParameters {
  Real Period = 0;       // days; 0 = not set
  Real Amplitude = 0;    // Jupiter diameters; 0 = not set
  Real TZero = 0;        // an ascending zero crossing, days after TZeroBase; 0 = not set
  Real RmsResidual = 0;  // the last computed residual, Jupiter diameters
  std::int32_t TZeroBase = 0;   // the JDBase TZero is counted from
};

using SineParameterSet = std::array<SineParameters, 4>;

// All three set: the curve can be drawn and summarised.
bool CurveDefined(const SineParameters& p);

// Amplitude × sin(2π (t − TZero) / Period) for t in days after the date base; 0 without a period.
Real PredictedOffset(const SineParameters& p, Real t);

// A TZero of 1050 or more is a full Julian date: it becomes days after `jd_base`, and
// TZeroBase takes `jd_base`. Done before every drawing of the curve.
void ConvertTZero(SineParameters& p, std::int32_t jd_base);

// The full Julian date of TZero, as the T-zero read-out shows it.
Real FullTZero(const SineParameters& p, std::int32_t jd_base);

// The RMS of the included measured points from the first record up to the end of the shown
// window (points before its start count too); the walk stops at the first included record
// after the window. Stored in p.RmsResidual; 0 when nothing was counted.
Real ComputeRmsResidual(const MeasurementTable& table, int moon, const MoonPlotState& s,
                               SineParameters& p);

}  // namespace jovi
