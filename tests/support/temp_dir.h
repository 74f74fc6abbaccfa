// A fresh folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace jovi::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Path of a file in the folder, as a string.
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Writes `content` to a file in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

}  // namespace jovi::test
