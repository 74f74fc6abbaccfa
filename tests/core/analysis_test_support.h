// Small measurement tables for the analysis tests.
#pragma once

#include <initializer_list>
#include <utility>

#include "measure/measurement_record.h"
#include "util/real.h"

namespace jovi::test {

struct Reading {
  Real jd;
  float offset;
  bool included = true;
};

// One moon's readings (the other moons unmeasured).
inline MeasurementTable TableOf(int moon, std::initializer_list<Reading> readings) {
  MeasurementTable table;
  for (const Reading& r : readings) {
    MeasurementRecord record;
    record.JulianDay = r.jd;
    record.Offset[static_cast<std::size_t>(moon - 1)] = r.offset;
    record.Included[static_cast<std::size_t>(moon - 1)] = r.included;
    table.InsertOrdered(record);
  }
  return table;
}

}  // namespace jovi::test
