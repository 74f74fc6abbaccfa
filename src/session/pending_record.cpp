#include "session/pending_record.h"

namespace jovi {

bool RecordReading(MeasurementStore& store, const CurrentReading& reading,
                   const RecordOptions& options, Prompter& prompter) {
  if (reading.JulianDay != store.pending.JulianDay) {
    CommitAwaitingMeasurement(store);
    ClearPendingMeasurement(store);
    store.pending.JulianDay = reading.JulianDay;
  }
  if (options.AutoRecord && options.IdentifyMoon) {
    if (reading.MoonID < 1 || reading.MoonID > 4) {
      prompter.Tell(kNotCenteredText, kNotCenteredCaption, Icon::Exclamation);
      return false;
    }
    const std::size_t i = reading.MoonID - 1u;
    store.pending.Offset[i] = reading.Offset;
    store.pending.Included[i] = true;
  }
  return true;
}

bool RecordReadingConfirmed(MeasurementStore& store, const CurrentReading& reading,
                            Prompter& prompter) {
  if (!RecordReading(store, reading, RecordOptions{}, prompter)) return false;
  store.NothingPending = false;
  return true;
}

}  // namespace jovi
