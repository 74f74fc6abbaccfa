#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace jovi::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "jovitest-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& content) const {
  const std::string path = File(name);
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

}  // namespace jovi::test
