// Small helpers of the measurement tests.
#pragma once

#include <array>
#include <vector>

#include "measure/measurement_record.h"
#include "util/real.h"

namespace jovi::test {

// A measurement record of a date and the four moons' offsets, all included unless said.
inline MeasurementRecord MakeMeasurement(Real jd, std::array<float, 4> offsets,
                                         std::array<bool, 4> included = {true, true, true, true}) {
  MeasurementRecord r;
  r.JulianDay = jd;
  r.Offset = offsets;
  r.Included = included;
  return r;
}

// The table's dates in table order.
inline std::vector<Real> TableDates(const MeasurementTable& table) {
  std::vector<Real> dates;
  table.ForEach([&](const MeasurementRecord& r) { dates.push_back(r.JulianDay); });
  return dates;
}

}  // namespace jovi::test
