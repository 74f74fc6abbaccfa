// Small helpers of the measurement tests.
#pragma once

#include <vector>

#include "measure/measurement_record.h"

namespace jovi::test {

// The table's dates in table order.
inline std::vector<long double> TableDates(const MeasurementTable& table) {
  std::vector<long double> dates;
  table.ForEach([&](const MeasurementRecord& r) { dates.push_back(r.JulianDay); });
  return dates;
}

}  // namespace jovi::test
