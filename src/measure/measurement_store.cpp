#include "measure/measurement_store.h"

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
  store.DataSaved = false;
  if (store.observer) store.observer->MeasurementCommitted(p);
  return true;
}

void ClearPendingMeasurement(MeasurementStore& store) { store.pending = MeasurementRecord{}; }

}  // namespace jovi
