// OptsObj: the master copy of the options, the folders it settles at start-up, and the
// options file it loads and saves. Messages go to the prompter it was given.
#pragma once

#include <string>
#include <string_view>

#include "config/options_record.h"
#include "config/storage_environment.h"
#include "util/prompter.h"

namespace jovi {

class OptsObj {
 public:
  explicit OptsObj(Prompter& prompter) : prompter_(prompter) {}
  virtual ~OptsObj() = default;
  OptsObj(const OptsObj&) = delete;
  OptsObj& operator=(const OptsObj&) = delete;

  // Settles the program and data folders, finds an optical disc and loads the options: from
  // the data folder, else from the program folder, else the defaults. A write-protected
  // working folder leads to the per-user folder and, failing that, to the folder chooser.
  // False when the user gave up on write-enabled storage: the program must end.
  bool InitOptions(std::string_view file_name, std::string_view version,
                   StorageEnvironment& environment);

  // Reads the options file at `path` into the record; true when the whole file was read
  // and accepted. An obsolete file is reported and deleted, an invalid one reported.
  bool LoadOptions(const std::string& path);

  // Writes the record to `folder` + OptsFileName after copying the old file to the backup
  // name beside it. Both are replaced whole or not at all. False (after a message) on failure
  // or when the edit-mode question is declined.
  bool SaveOptions(const std::string& folder);

  void SetDefaults() { SetDefaultOptions(rec_); }

  OptsRec& Record() { return rec_; }
  const OptsRec& Record() const { return rec_; }
  bool PerUserSystem() const { return per_user_system_; }

 protected:
  virtual void AfterLoad() {}
  virtual void AfterSave() {}

 private:
  // Settles the data folder; false when the program must end.
  bool SettleDataFolder(StorageEnvironment& environment, std::string& data_folder);
  void ReportInvalid(const std::string& path, std::string_view description);
  void ReportSaveError(const std::string& file, std::string_view description);

  Prompter& prompter_;
  OptsRec rec_;
  bool per_user_system_ = false;
};

// "JUP_OPTS.INI" gives "JUP_OPTS.BAK": four characters from the first "." are replaced with
// ".BAK"; a name without "." gets ".BAK" appended.
std::string BackupFileNameFor(std::string_view file_name);

// True when no new file can be made in `folder`. The probe is a uniquely named file that is
// removed again, so no file already in the folder is ever touched.
bool IsWriteProtected(const std::string& folder);

}  // namespace jovi
