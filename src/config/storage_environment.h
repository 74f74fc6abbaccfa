// What the options object asks of the operating system and the user while it settles the
// program's folders. The program uses SystemStorageEnvironment; tests give their own folders.
#pragma once

#include <optional>
#include <string>

namespace jovi {

class StorageEnvironment {
 public:
  virtual ~StorageEnvironment() = default;
  // Where the program and its shipped data lie, ending with "/".
  virtual std::string ProgramFolder() = 0;
  virtual std::string WorkingFolder() = 0;  // ending with "/"
  virtual bool SetWorkingFolder(const std::string& folder) = 0;
  // A multi-user system with per-user folders.
  virtual bool IsPerUserSystem() = 0;
  virtual std::string UserName() = 0;
  // The per-user folder of the program for `user`, ending with "/".
  virtual std::string PerUserFolder(const std::string& user) = 0;
  // The mount point of an optical disc, or empty.
  virtual std::string OpticalMediaRoot() = 0;
  // Lets the user pick (or create) a folder, starting at `start`; nothing when dismissed.
  virtual std::optional<std::string> ChooseFolder(const std::string& start) = 0;
};

// The running system's folders. It has no folder chooser of its own: the desktop program
// overrides ChooseFolder.
class SystemStorageEnvironment : public StorageEnvironment {
 public:
  std::string ProgramFolder() override;
  std::string WorkingFolder() override;
  bool SetWorkingFolder(const std::string& folder) override;
  bool IsPerUserSystem() override { return true; }
  std::string UserName() override;
  std::string PerUserFolder(const std::string& user) override;
  std::string OpticalMediaRoot() override;
  std::optional<std::string> ChooseFolder(const std::string&) override { return std::nullopt; }
};

}  // namespace jovi
