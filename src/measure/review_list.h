// The review window's rules ("Review/Edit/Print Measurements"): the lines that list the table,
// which line is a record, and the edit, delete and one-level undo of a record.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "measure/measurement_store.h"
#include "util/prompter.h"

namespace jovi {

inline constexpr const char* kReviewCaption = "Review/Edit/Print Measurements";
// The heading lines above the first record.
inline constexpr int kReviewHeadingLines = 5;

// One moon's 10-character column: blank when not measured, "*" after an excluded value.
std::string ReviewColumn(float offset, bool included);
// The date with 5 decimals, a space and the four columns.
std::string ReviewLine(const MeasurementRecord& record);
// The five heading lines, then one line per record in table order.
std::vector<std::string> ReviewLines(const MeasurementTable& table);

// The edits of the review window on the table of `store`. The window lists ReviewLines and
// passes the selected line; after each change it lists the table again and selects
// SelectedLine().
class MeasurementReview {
 public:
  // The results dialog shown modally over a copy of the record in the pending record
  // (Editing and Modal set); true when it closed with OK and valid values.
  using EditDialog = std::function<bool(MeasurementStore& store)>;

  MeasurementReview(MeasurementStore& store, Prompter& prompter);

  // "&Edit Selected Line..." and a double-click. True when the record changed.
  bool EditSelectedLine(int line, const EditDialog& dialog);
  // "&Delete Selected Line". True when the record was deleted.
  bool DeleteSelectedLine(int line);
  // One value of a record taken into or left out of the analysis (moon 1..4), undone as an
  // edit. True when the flag changed; a value that was not measured has no flag to change.
  bool SetIncluded(int line, int moon, bool included);
  // "&Undo Edit/Delete". True when the record was restored.
  bool UndoEditDelete();

  bool UndoEnabled() const { return undo_enabled_; }
  // The list line to select after the last change (-1: leave the selection alone).
  int SelectedLine() const { return selected_line_; }

 private:
  // The record index of a list line, or -1 after the message.
  int RecordIndex(int line);
  void RememberForUndo(int index, const MeasurementRecord& record);

  MeasurementStore& store_;
  Prompter& prompter_;
  MeasurementRecord undo_record_;
  int undo_index_ = -1;
  bool undo_is_delete_ = false;
  bool undo_enabled_ = false;
  int selected_line_ = -1;
};

}  // namespace jovi
