#include "platform/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/program_dir.h"

namespace jovi {

namespace fs = std::filesystem;

std::string CurrentWorkingFolder() {
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  if (ec) return {};
  return WithTrailingSlash(cwd.string());
}

bool SetCurrentWorkingFolder(const std::string& folder) {
  std::error_code ec;
  fs::current_path(folder, ec);
  return !ec;
}

bool FolderExists(const std::string& folder) {
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder, ec);
}

bool CreateFolderWithParents(const std::string& folder) {
  if (folder.empty()) return false;
  std::error_code ec;
  fs::create_directories(folder, ec);
  return FolderExists(folder);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

bool RemoveFile(const std::string& path) {
  std::error_code ec;
  fs::remove(path, ec);
  return !FileExists(path);
}

namespace {
std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir) {
    return pw->pw_dir;
  }
  return {};
}

// An XDG base folder: the variable when it holds an absolute path, else `fallback` in the home
// folder ("/home/<user>" when there is none).
std::string XdgBase(const char* variable, const char* fallback, const std::string& user) {
  if (const char* xdg = std::getenv(variable); xdg && *xdg == '/') return WithTrailingSlash(xdg);
  std::string home = HomeFolder();
  if (home.empty()) home = "/home/" + user;
  return WithTrailingSlash(home) + fallback;
}
}  // namespace

std::string PerUserDataFolder(const std::string& user) {
  return XdgBase("XDG_DATA_HOME", ".local/share/", user) + "ZEVA/SatLab/";
}

std::string PerUserConfigFolder(const std::string& user) {
  return XdgBase("XDG_CONFIG_HOME", ".config/", user) + "ZEVA/";
}

}  // namespace jovi
