// The browser's folders in the module's file system: the shipped data below kDataFolder (the
// page fetches them there), the student's work below kWorkFolder (the page keeps it in
// IndexedDB).
#pragma once

#include <optional>
#include <string>

#include "config/storage_environment.h"

namespace jovi::web {

inline constexpr const char* kDataFolder = "/jovitrack/";
inline constexpr const char* kWorkFolder = "/home/web_user/jovitrack/";

class WebStorage final : public StorageEnvironment {
 public:
  std::string ProgramFolder() override { return kDataFolder; }
  std::string WorkingFolder() override { return working_; }
  bool SetWorkingFolder(const std::string& folder) override {
    working_ = folder;
    return true;
  }
  bool IsPerUserSystem() override { return false; }
  std::string UserName() override { return "student"; }
  std::string PerUserFolder(const std::string&) override { return kWorkFolder; }
  std::string OpticalMediaRoot() override { return {}; }
  std::optional<std::string> ChooseFolder(const std::string&) override { return std::nullopt; }

 private:
  std::string working_ = kWorkFolder;
};

// The path below the data folder, as the page fetched it.
inline std::string BelowData(const std::string& path) {
  const std::string folder = kDataFolder;
  return path.rfind(folder, 0) == 0 ? path.substr(folder.size()) : path;
}

}  // namespace jovi::web
