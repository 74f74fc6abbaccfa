#include "session/pending_record.h"

namespace jovi {

bool CommitPendingMeasurement(MeasurementStore& store) {
  const MeasurementRecord& p = store.pending;
  int counted = 0;
  for (std::size_t i = 0; i < p.Offset.size(); ++i) {
    if (p.Offset[i] != 0.0f && p.Offset[i] != kNoMeasurement && p.Included[i]) ++counted;
  }
  if (p.JulianDay == 0 || counted == 0) return false;
  store.table.InsertOrdered(p);
  store.TableChanged = true;
  store.NothingPending = true;
  return true;
}

void ClearPendingMeasurement(MeasurementStore& store) { store.pending = MeasurementRecord{}; }

bool RecordReading(MeasurementStore& store, const CurrentReading& reading,
                   const RecordOptions& options, Prompter& prompter) {
  if (reading.JulianDay != store.pending.JulianDay) {
    if (!store.NothingPending) CommitPendingMeasurement(store);
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

}  // namespace jovi
