// The Data menu's Save and Load of the measurement table: the file dialogs they prepare, the
// checks of the chosen name, the merge-or-replace questions and the messages.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "measure/measurement_store.h"
#include "util/prompter.h"

namespace jovi {

enum class MeasurementFormat { Binary, Csv };

inline constexpr const char* kDefaultSaveName = "JupSatData1";
inline constexpr const char* kBinarySaveFilter = "Binary (ZEVA) Format|*.DAT";
inline constexpr const char* kCsvSaveFilter = "Spreadsheet (.CSV) Format|*.CSV";
inline constexpr const char* kLoadFilter =
    "Binary (ZEVA Format) Files|*.DAT|Comma-Separated (.CSV) Files|*.CSV";

// What a file dialog is opened with. `filter` pairs captions and patterns with "|".
struct FileDialogRequest {
  std::string default_extension;  // ".DAT"
  std::string filter;
  int filter_index = 1;  // counted from 1
  std::string folder;
  std::string file_name;  // may be a full path
  bool ask_before_overwrite = false;
};

// The save and open dialogs; the desktop program shows its own, tests answer from a script.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or nothing when the student cancelled.
  virtual std::optional<std::string> SavePath(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> OpenPath(const FileDialogRequest& request) = 0;
};

// A file name's extension upper-cased: ".DAT" for "/a/b.dat", "" when it has none.
std::string UpperExtension(const std::string& path);

// The name the save dialog offers: "JupSatData1" before any save, else the last save's path
// without its extension (cut at the first "." of the file name).
std::string DefaultSaveName(const std::string& last_save_path);

// A file's bytes taken into the table without dialogs (the browser's import): read by the
// reader of its extension, as Load reads a file, then merged or put in place of the table. A
// file that cannot be read or gives no record leaves the table as it was.
struct MeasurementImport {
  enum class Result { Taken, WrongExtension, Unreadable, NoRecords };
  Result result = Result::Unreadable;
  std::string error;         // why an unreadable file could not be read
  std::size_t records = 0;   // records the file gave
  std::size_t skipped = 0;   // records left out for want of a valid date
};
MeasurementImport ImportMeasurementBytes(MeasurementStore& store, const std::string& file_name,
                                         std::span<const std::uint8_t> bytes, bool merge);

class MeasurementFileCommands {
 public:
  MeasurementFileCommands(MeasurementStore& store, Prompter& prompter, FileDialogs& dialogs);

  // Save in one format, after the pending measurement was committed. True when a file was
  // written.
  bool Save(MeasurementFormat format, const std::string& user_dir, float zone_hours);
  // Load: true when the table was replaced or merged (the analysis is then reset and the Data
  // items follow whether the table holds anything).
  bool Load(const std::string& user_dir);

  const std::string& LastSavePath() const { return last_save_path_; }
  const std::string& LastLoadPath() const { return last_load_path_; }

 private:
  MeasurementStore& store_;
  Prompter& prompter_;
  FileDialogs& dialogs_;
  std::string last_save_path_;
  std::string last_load_path_;
};

}  // namespace jovi
