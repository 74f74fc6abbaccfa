// One observation: a Julian date and the four moons' offsets from Jupiter.
#pragma once

#include <array>

#include "util/ordered_list.h"
#include "util/real.h"

namespace jovi {

// An offset of this value (or more) marks a moon that was not measured.
inline constexpr float kNoMeasurement = 100.0f;

struct MeasurementRecord {
  Real JulianDay = 0;  // the observation time; 0 means no date
  // Io, Europa, Ganymede, Callisto: Jupiter diameters, east negative, west positive.
  std::array<float, 4> Offset{kNoMeasurement, kNoMeasurement, kNoMeasurement, kNoMeasurement};
  // Whether each value takes part in the sine analysis.
  std::array<bool, 4> Included{true, true, true, true};
};

// The table is ordered by date alone.
struct MeasurementOrder {
  static bool Equal(const MeasurementRecord& a, const MeasurementRecord& b) {
    return a.JulianDay == b.JulianDay;
  }
  static bool Greater(const MeasurementRecord& a, const MeasurementRecord& b) {
    return a.JulianDay > b.JulianDay;
  }
};

using MeasurementTable = OrderedList<MeasurementRecord, MeasurementOrder>;

}  // namespace jovi
