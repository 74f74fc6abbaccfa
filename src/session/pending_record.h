// The rules by which the telescope's Record fills the pending measurement and moves it into the
// table.
#pragma once

#include "measure/measurement_store.h"
#include "session/cursor_reading.h"
#include "util/prompter.h"

namespace jovi {

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

// Record where no results dialog follows (the browser's telescope): the identified moon's
// offset is written as with automatic recording, and the pending record then awaits its
// commit at once. False when no moon was under the cursor (after the message).
bool RecordReadingConfirmed(MeasurementStore& store, const CurrentReading& reading,
                            Prompter& prompter);

}  // namespace jovi
