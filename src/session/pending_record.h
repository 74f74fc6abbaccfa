// The measurement waiting to be committed to the table, and the rules by which the telescope's
// Record fills it and moves it into the table.
#pragma once

#include "measure/measurement_record.h"
#include "session/cursor_reading.h"
#include "util/prompter.h"

namespace jovi {

// The table, the pending record and the flags that go with them.
struct MeasurementStore {
  MeasurementTable table;
  MeasurementRecord pending;
  bool NothingPending = true;
  bool TableChanged = false;  // read and reset by the analysis
};

// Moves the pending record into the table when it has a date and at least one included value
// other than 0.0 and 100.0. True when a record was added: the table is then unsaved.
bool CommitPendingMeasurement(MeasurementStore& store);

// JulianDay 0, every offset 100.0, every value included.
void ClearPendingMeasurement(MeasurementStore& store);

struct RecordOptions {
  bool AutoRecord = true;
  bool IdentifyMoon = true;
};

inline constexpr const char* kNotCenteredText = "Cursor is not accurately centered on moon!";
inline constexpr const char* kNotCenteredCaption = "Try Again!";

// Record in the orbit exercise: a reading at another time than the pending record's starts a
// new pending record (committing the old one when it awaits a commit); with automatic
// recording the identified moon's offset is written. False when no moon was under the cursor
// (after the message): the results dialog is then not shown.
bool RecordReading(MeasurementStore& store, const CurrentReading& reading,
                   const RecordOptions& options, Prompter& prompter);

}  // namespace jovi
