#include "lists/hotlist_model.h"

#include <algorithm>
#include <filesystem>

#include "lists/help_list.h"
#include "lists/hotlist_file.h"
#include "util/ascii_case.h"
#include "util/general_error.h"
#include "util/io_error.h"

namespace jovi {

namespace {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

void HotlistModel::Open(const std::string& user_dir, const std::string& program_dir,
                        const std::string& hotlist_file) {
  const std::string own = user_dir + hotlist_file;
  const std::string shipped = program_dir + hotlist_file;
  if (FileExists(own)) {
    Load(own);
  } else if (FileExists(shipped)) {
    Load(shipped);
  }
  hotlist_path_ = own;
}

void HotlistModel::Load(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return;
  const HotlistFileRead read = ReadHotlistFile(path);
  if (!read.Ok()) {
    prompter_.Tell(
        "Unable to Open Hotlist File!\r\n\r\nFile Name: " + path + "\r\n" + IoErrorText(read.code),
        "Hotlist File Error!", Icon::Stop);
    return;
  }
  entries_.Clear();
  for (const HotlistEntry& entry : read.entries) entries_.InsertOrdered(entry);
  if (read.unusable_dates > 0) {
    ReportGeneralError("The hotlist file " + path + " holds " +
                           std::to_string(read.unusable_dates) +
                           " record(s) without a usable date, left out",
                       prompter_);
  }
  if (read.partial_record) {
    // The records before the broken one stay in the list; the load itself has failed.
    ReportGeneralError(
        "Read beyond end of file: the last record of the hotlist file " + path + " is incomplete",
        prompter_);
    return;
  }
  hotlist_path_ = path;
  saved_ = true;
}

void HotlistModel::Changed() { saved_ = false; }

void HotlistModel::Add(const HotlistEntry& entry, bool edit_mode) {
  HotlistEntry added = entry;
  if (added.Comment.size() > kHotlistCommentLength) added.Comment.resize(kHotlistCommentLength);
  entries_.InsertOrdered(added);
  Changed();
  Refill(edit_mode);
}

void HotlistModel::Refill(bool edit_mode) {
  lines_.clear();
  entries_.ForEach([this, edit_mode](const HotlistEntry& e) {
    lines_.push_back(HotlistLineText(e, edit_mode));
  });
  chosen_entry_.reset();
}

bool HotlistModel::Choose(int highlighted) {
  if (!HasLine(highlighted)) {
    prompter_.Tell(
        "Please select (highlight) an entry on the list, then select \"List\" -> "
        "\"Choose Selection\".\r\n(You can also double-click the selection.)",
        "No Selection!", Icon::Exclamation);
    return false;
  }
  const HotlistEntry* entry = entries_.ItemAt(highlighted);
  if (!entry) return false;
  chosen_index_ = highlighted;
  chosen_entry_ = *entry;
  return true;
}

std::optional<HotlistEntry> HotlistModel::BeginEdit(int highlighted) {
  const HotlistEntry* entry = HasLine(highlighted) ? entries_.ItemAt(highlighted) : nullptr;
  if (!entry) {
    prompter_.Tell("Please select an entry, using the left mouse button.", "No Selection!",
                   Icon::Exclamation);
    return std::nullopt;
  }
  // The undo record changes only when the edit is confirmed: a cancelled edit keeps the
  // undo of the change before it.
  edit_index_ = highlighted;
  edit_line_ = lines_[static_cast<std::size_t>(highlighted)];
  edit_entry_ = *entry;
  return *entry;
}

void HotlistModel::FinishEdit(const HotlistEntry& edited, bool edit_mode) {
  HotlistEntry* entry = HasLine(edit_index_) ? entries_.ItemAt(edit_index_) : nullptr;
  if (!entry) return;
  undo_index_ = edit_index_;
  undo_line_ = edit_line_;
  undo_entry_ = edit_entry_;
  undo_is_delete_ = false;
  edit_index_ = -1;
  entry->Serial = edited.Serial;
  entry->Comment = edited.Comment.substr(0, kHotlistCommentLength);
  lines_[static_cast<std::size_t>(undo_index_)] = HotlistLineText(*entry, edit_mode);
  Changed();
  undo_enabled_ = true;
}

std::optional<int> HotlistModel::Delete(int highlighted) {
  if (prompter_.Ask("Delete Highlighted Entry from List?", "Confirm", Buttons::YesNo,
                    Icon::Question) != Answer::Yes) {
    return std::nullopt;
  }
  if (!HasLine(highlighted)) return std::nullopt;
  const HotlistEntry* entry = entries_.ItemAt(highlighted);
  if (!entry) return std::nullopt;
  undo_line_ = lines_[static_cast<std::size_t>(highlighted)];
  lines_.erase(lines_.begin() + highlighted);
  undo_entry_ = *entry;
  undo_index_ = highlighted - 1;
  undo_is_delete_ = true;
  entries_.DeleteAtCursor();
  Changed();
  undo_enabled_ = true;
  return highlighted > 0 ? highlighted - 1 : 0;
}

std::optional<int> HotlistModel::Undo() {
  if (!undo_enabled_) return std::nullopt;
  undo_enabled_ = false;
  if (undo_is_delete_) {
    if (undo_index_ >= 0 && entries_.ItemAt(undo_index_)) {
      entries_.InsertOrdered(undo_entry_);
    } else {
      entries_.InsertFront(undo_entry_);
    }
    const int line = std::min(undo_index_ + 1, static_cast<int>(lines_.size()));
    lines_.insert(lines_.begin() + line, undo_line_);
    return line;
  }
  HotlistEntry* entry = entries_.ItemAt(undo_index_);
  if (!entry) return std::nullopt;
  *entry = undo_entry_;
  lines_[static_cast<std::size_t>(undo_index_)] = undo_line_;
  return undo_index_;
}

std::optional<int> HotlistModel::Search(SearchRequest& request, int highlighted) {
  if (request.StartMode == SearchStart::Cancelled) return std::nullopt;
  if (!request.CaseDependent) request.SearchText = AsciiLower(request.SearchText);
  const auto found = SearchLines(lines_, request.StartMode, highlighted, request.SearchText,
                                 request.CaseDependent);
  if (!found) {
    TellNotFound(request.SearchText, prompter_);
    return std::nullopt;
  }
  return static_cast<int>(*found);
}

bool HotlistModel::SaveTo(const std::string& path) {
  hotlist_path_ = path;
  const FileWriteResult written = WriteHotlistFile(path, entries_);
  if (!written.Ok()) {
    prompter_.Tell("Unable to save Date/Time list to file!\r\n\r\nFile Name: " + path + "\r\n" +
                       IoErrorText(IoCodeFromErrno(written.error, path)),
                   "Hotlist File Error!", Icon::Stop);
    return false;
  }
  saved_ = true;
  prompter_.Tell("Hotlist saved in " + path, "Hotlist File Saved", Icon::Information);
  return true;
}

ListPrintout HotlistModel::Printout(bool edit_mode, const StudentInfo& students,
                                    const std::string& lab_table, const std::string& clock) const {
  ListPrintout printout;
  printout.job_title = "ZEVA Exercise - \"Jovitrack\"" +
                       (edit_mode ? std::string("Database Modification") : students.StudentName[0]);
  printout.top_line = edit_mode ? clock : ClockAndTableLine(clock, lab_table);
  printout.with_students = !edit_mode;
  printout.headings = {kHotlistCaption};
  printout.lines = lines_;
  return printout;
}

}  // namespace jovi
