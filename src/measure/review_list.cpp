#include "measure/review_list.h"

#include <cmath>

#include "util/decimal_text.h"

namespace jovi {

std::string ReviewColumn(float offset, bool included) {
  if (offset == kNoMeasurement) return std::string(10, ' ');
  // Built by appending: GCC 12 warns wrongly of overlap for a literal + std::string&&.
  std::string t;
  if (std::fabs(offset) < 10) t += ' ';
  if (offset >= 0) t += ' ';
  t += ' ';
  t += FixedText(offset, 2);
  t += included ? ' ' : '*';
  t += "  ";
  return t;
}

std::string ReviewLine(const MeasurementRecord& record) {
  std::string line = FixedText(record.JulianDay, 5) + " ";
  for (std::size_t m = 0; m < record.Offset.size(); ++m) {
    line += ReviewColumn(record.Offset[m], record.Included[m]);
  }
  return line;
}

std::vector<std::string> ReviewLines(const MeasurementTable& table) {
  std::vector<std::string> lines{
      "Measurement unit is Jupiter diameters.",
      "East is negative (-).",
      "(\"*\" - Data point removed from sine curve analysis.)",
      "",
      " Julian Date      Io      Europa   Ganymede  Callisto ",
  };
  table.ForEach([&](const MeasurementRecord& r) { lines.push_back(ReviewLine(r)); });
  return lines;
}

MeasurementReview::MeasurementReview(MeasurementStore& store, Prompter& prompter)
    : store_(store), prompter_(prompter) {}

int MeasurementReview::RecordIndex(int line) {
  const int index = line - kReviewHeadingLines;
  if (line < kReviewHeadingLines || index > store_.table.LastIndex()) {
    prompter_.Tell("You must select a valid data record!", "Data Not Selected!", Icon::Stop);
    return -1;
  }
  return index;
}

void MeasurementReview::RememberForUndo(int index, const MeasurementRecord& record) {
  undo_index_ = index;
  undo_record_ = record;
  undo_is_delete_ = false;
}

bool MeasurementReview::EditSelectedLine(int line, const EditDialog& dialog) {
  selected_line_ = -1;
  const int index = RecordIndex(line);
  if (index < 0) return false;
  const MeasurementRecord record = *store_.table.ItemAt(index);
  RememberForUndo(index, record);
  // The dialog edits a copy in the pending record; a measurement pending at the telescope is
  // put back afterwards, so editing the table never loses or duplicates it.
  const MeasurementRecord pending = store_.pending;
  const bool nothing_pending = store_.NothingPending;
  store_.pending = record;
  const bool accepted = dialog(store_);
  MeasurementRecord edited = store_.pending;
  store_.pending = pending;
  store_.NothingPending = nothing_pending;
  if (!accepted) return false;
  // The date is not editable, so the record keeps its place.
  edited.JulianDay = record.JulianDay;
  *store_.table.ItemAt(index) = edited;
  store_.DataSaved = false;
  store_.TableChanged = true;
  undo_enabled_ = true;
  selected_line_ = line;
  return true;
}

bool MeasurementReview::SetIncluded(int line, int moon, bool included) {
  selected_line_ = -1;
  if (moon < 1 || moon > 4) return false;
  const int index = RecordIndex(line);
  if (index < 0) return false;
  MeasurementRecord& record = *store_.table.ItemAt(index);
  const std::size_t i = static_cast<std::size_t>(moon - 1);
  if (record.Offset[i] >= kNoMeasurement || record.Included[i] == included) return false;
  RememberForUndo(index, record);
  record.Included[i] = included;
  store_.DataSaved = false;
  store_.TableChanged = true;
  undo_enabled_ = true;
  selected_line_ = line;
  return true;
}

bool MeasurementReview::DeleteSelectedLine(int line) {
  selected_line_ = -1;
  const int index = RecordIndex(line);
  if (index < 0) return false;
  RememberForUndo(index, *store_.table.ItemAt(index));
  if (prompter_.Ask("Delete the selected record?", "Verify Deletion", Buttons::OkCancel,
                    Icon::Question) != Answer::Ok) {
    return false;
  }
  store_.table.ItemAt(index);
  store_.table.DeleteAtCursor();
  store_.DataSaved = false;
  store_.TableChanged = true;
  undo_enabled_ = true;
  undo_is_delete_ = true;
  // The record that took the deleted one's place, or the new last one.
  const int last = store_.table.LastIndex();
  selected_line_ = last < 0 ? -1 : kReviewHeadingLines + std::min(index, last);
  return true;
}

bool MeasurementReview::UndoEditDelete() {
  selected_line_ = -1;
  if (!undo_enabled_) return false;
  if (prompter_.Ask("Restore the modified/deleted record?", "Undo Edit/Delete?",
                    Buttons::OkCancel, Icon::Question) != Answer::Ok) {
    return false;
  }
  MeasurementTable& table = store_.table;
  if (undo_is_delete_) {
    // The search for its place starts where the record stood.
    table.Reset();
    if (undo_index_ > 0) table.ItemAt(std::min(undo_index_ - 1, table.LastIndex()));
    table.InsertOrdered(undo_record_);
  } else if (MeasurementRecord* record = table.ItemAt(undo_index_)) {
    *record = undo_record_;
  }
  store_.TableChanged = true;
  undo_enabled_ = false;
  selected_line_ = kReviewHeadingLines + undo_index_;
  return true;
}

}  // namespace jovi
