// The measurement table with the pending record that waits to enter it, and the flags that say
// what of it is unsaved, unconfirmed or not yet seen by the analysis.
#pragma once

#include <vector>

#include "measure/measurement_record.h"

namespace jovi {

// Told of the changes of the table that decide what of it exists only in memory (the session
// journal listens).
class MeasurementObserver {
 public:
  virtual ~MeasurementObserver() = default;
  // A measurement joined the table through CommitPendingMeasurement.
  virtual void MeasurementCommitted(const MeasurementRecord& record) = 0;
  // The whole table was written to a file.
  virtual void TableSaved(const MeasurementTable& table) = 0;
  // A load replaced the table (the student agreed to lose what was not saved).
  virtual void TableReplaced() = 0;
  // The review window changed a record of the table: edited (both given), deleted (`after`
  // null) or put back by its undo (`before` null).
  virtual void MeasurementChanged(const MeasurementRecord* before,
                                  const MeasurementRecord* after) = 0;
};

struct MeasurementStore {
  MeasurementTable table;
  MeasurementRecord pending;
  bool DataSaved = true;       // nothing in the table is missing from a file
  bool NothingPending = true;  // the pending record holds no confirmed values awaiting a commit
  bool TableChanged = false;   // read and reset by the analysis
  MeasurementObserver* observer = nullptr;
};

// Moves the pending record into the table when it has a date and at least one included value
// other than 0.0 and 100.0; the table is then unsaved. True when a record was added.
bool CommitPendingMeasurement(MeasurementStore& store);

// Commits the pending record when it awaits its commit (Next, a save, quitting). True when a
// record joined the table.
bool CommitAwaitingMeasurement(MeasurementStore& store);

// A file's records taken into the table: added to it (`merge`) or in its place. The table is
// then unsaved unless it was replaced, since it then is the file.
void TakeLoadedRecords(MeasurementStore& store, const std::vector<MeasurementRecord>& records,
                       bool merge);

// JulianDay 0, every offset 100.0, every value included.
void ClearPendingMeasurement(MeasurementStore& store);

// Whether the table holds a record (the Data menu's Review, Save and Analyze need one).
inline bool HasMeasurements(const MeasurementStore& store) { return !store.table.IsEmpty(); }

}  // namespace jovi
