// The measurement table with the pending record that waits to enter it, and the flags that say
// what of it is unsaved, unconfirmed or not yet seen by the analysis.
#pragma once

#include "measure/measurement_record.h"

namespace jovi {

struct MeasurementStore {
  MeasurementTable table;
  MeasurementRecord pending;
  bool DataSaved = true;       // nothing in the table is missing from a file
  bool NothingPending = true;  // the pending record holds no confirmed values awaiting a commit
  bool TableChanged = false;   // read and reset by the analysis
};

// Moves the pending record into the table when it has a date and at least one included value
// other than 0.0 and 100.0; the table is then unsaved. True when a record was added.
bool CommitPendingMeasurement(MeasurementStore& store);

// JulianDay 0, every offset 100.0, every value included.
void ClearPendingMeasurement(MeasurementStore& store);

// Whether the table holds a record (the Data menu's Review, Save and Analyze need one).
inline bool HasMeasurements(const MeasurementStore& store) { return !store.table.IsEmpty(); }

}  // namespace jovi
