// Links the build's shipped help lists and help texts into a test's program folder, so that
// a login (which loads the exercise's help list) finds them as the installed program does.
#pragma once

#include <QCoreApplication>

#include <filesystem>
#include <string>

namespace jovi::test {

inline void LinkShippedHelp(const std::string& program_folder) {
  namespace fs = std::filesystem;
  const fs::path built = QCoreApplication::applicationDirPath().toStdString();
  for (const auto& entry : fs::directory_iterator(built)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".lst" && extension != ".hlp") continue;
    fs::create_symlink(entry.path(), fs::path(program_folder) / entry.path().filename());
  }
}

}  // namespace jovi::test
