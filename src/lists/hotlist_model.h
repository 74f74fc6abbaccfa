// The hotlist as its window works on it: the dates in time order, the lines the window lists,
// choosing, editing and deleting with one level of undo, searching, loading and saving.
// The window only shows the lines and forwards the user's actions with the highlighted line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/student_info.h"
#include "lists/hotlist_entry.h"
#include "lists/list_printout.h"
#include "report/search_request.h"
#include "util/ordered_list.h"
#include "util/prompter.h"

namespace jovi {

using HotlistEntries = OrderedList<HotlistEntry, HotlistOrder>;

inline constexpr const char* kHotlistCaption = "Select Date/Time for Observation";

class HotlistModel {
 public:
  explicit HotlistModel(Prompter& prompter) : prompter_(prompter) {}

  // The first use: the student's own file when there is one, else the program's; saving
  // goes to the student's folder either way.
  void Open(const std::string& user_dir, const std::string& program_dir,
            const std::string& hotlist_file);
  // Reads a hotlist file over the list. Nothing happens when there is no file at `path`.
  void Load(const std::string& path);

  // A date put on the list from the date dialog.
  void Add(const HotlistEntry& entry, bool edit_mode);

  // The window is shown: the lines anew from the entries; nothing chosen yet.
  void Refill(bool edit_mode);
  const std::vector<std::string>& Lines() const { return lines_; }

  // "Choose Selection" (or a double click): true when the window is to close with the entry.
  bool Choose(int highlighted);
  // "Edit Selection...": the entry to edit, or nothing (after "No Selection!").
  std::optional<HotlistEntry> BeginEdit(int highlighted);
  // The edit dialog closed with OK: the entry changes in its place.
  void FinishEdit(const HotlistEntry& edited, bool edit_mode);
  // "Delete Selection", after its question: the line to highlight afterwards, or nothing when
  // nothing was deleted.
  std::optional<int> Delete(int highlighted);
  // "Undo Edit/Delete": the line to highlight, or nothing when there is nothing to undo.
  std::optional<int> Undo();
  // "Search...": the line found, or nothing (after "Not Found" or a cancelled dialog). The
  // request's text is lower-cased in place unless the search depends on letter case.
  std::optional<int> Search(SearchRequest& request, int highlighted);
  // "Save List" to the chosen path: true when written ("Hotlist saved in ...").
  bool SaveTo(const std::string& path);

  // The printout: caption and lines under the clock, with the students and table unless the
  // list is being edited.
  ListPrintout Printout(bool edit_mode, const StudentInfo& students, const std::string& lab_table,
                        const std::string& clock) const;

  HotlistEntries& Entries() { return entries_; }
  const HotlistEntries& Entries() const { return entries_; }
  bool Saved() const { return saved_; }
  bool UndoEnabled() const { return undo_enabled_; }
  const std::optional<HotlistEntry>& ChosenEntry() const { return chosen_entry_; }
  int ChosenIndex() const { return chosen_index_; }
  void SetChosenIndex(int index) { chosen_index_ = index; }
  const std::string& HotlistPath() const { return hotlist_path_; }
  bool Printed = false;

 private:
  bool HasLine(int i) const { return i >= 0 && i < static_cast<int>(lines_.size()); }
  void Changed();

  Prompter& prompter_;
  HotlistEntries entries_;
  std::vector<std::string> lines_;
  bool saved_ = true;
  int chosen_index_ = 0;
  std::optional<HotlistEntry> chosen_entry_;
  HotlistEntry undo_entry_;
  int undo_index_ = -1;
  std::string undo_line_;
  bool undo_is_delete_ = false;
  bool undo_enabled_ = false;
  int edit_index_ = -1;  // the entry being edited and its state before the edit
  std::string edit_line_;
  HotlistEntry edit_entry_;
  std::string hotlist_path_;
};

}  // namespace jovi
