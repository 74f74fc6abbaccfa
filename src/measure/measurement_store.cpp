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

bool CommitAwaitingMeasurement(MeasurementStore& store) {
  return !store.NothingPending && CommitPendingMeasurement(store);
}

void TakeLoadedRecords(MeasurementStore& store, const std::vector<MeasurementRecord>& records,
                       bool merge) {
  if (!merge) {
    store.table.Clear();
    if (store.observer) store.observer->TableReplaced();
  }
  for (const MeasurementRecord& record : records) store.table.InsertOrdered(record);
  store.TableChanged = true;
  store.DataSaved = !merge;
}

void ClearPendingMeasurement(MeasurementStore& store) { store.pending = MeasurementRecord{}; }

}  // namespace jovi
