// File dialogs for tests: each request is kept and answered from a script (nothing, as a
// cancelled dialog, once the script has run out).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "measure/measurement_file_commands.h"

namespace jovi::test {

class ScriptedFileDialogs final : public FileDialogs {
 public:
  std::optional<std::string> SavePath(const FileDialogRequest& r) override { return Next(r); }
  std::optional<std::string> OpenPath(const FileDialogRequest& r) override { return Next(r); }

  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> requests;

 private:
  std::optional<std::string> Next(const FileDialogRequest& r) {
    requests.push_back(r);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace jovi::test
