// A storage environment for tests: folders given by the test, and a scripted folder chooser.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/storage_environment.h"

namespace jovi::test {

class FakeStorageEnvironment final : public StorageEnvironment {
 public:
  std::string ProgramFolder() override { return program_folder; }
  std::string WorkingFolder() override { return working_folder; }
  bool SetWorkingFolder(const std::string& folder) override {
    working_folder = folder;
    return true;
  }
  bool IsPerUserSystem() override { return per_user_system; }
  std::string UserName() override { return user_name; }
  std::string PerUserFolder(const std::string& user) override {
    users_asked.push_back(user);
    return per_user_folder;
  }
  std::string OpticalMediaRoot() override { return optical_root; }
  std::optional<std::string> ChooseFolder(const std::string& start) override {
    chooser_starts.push_back(start);
    return chosen_folder;
  }

  std::string program_folder;
  std::string working_folder;
  bool per_user_system = true;
  std::string user_name = "student";
  std::string per_user_folder;
  std::string optical_root;
  std::optional<std::string> chosen_folder;
  std::vector<std::string> users_asked;
  std::vector<std::string> chooser_starts;
};

}  // namespace jovi::test
