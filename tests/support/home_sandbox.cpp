#include "support/home_sandbox.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace jovi::test {

namespace {
constexpr const char* kVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME",
                                      "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"};
}  // namespace

HomeSandbox::HomeSandbox() {
  namespace fs = std::filesystem;
  for (const char* name : kVariables) {
    const char* value = std::getenv(name);
    saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  fs::create_directories(root_.Path() / "home" / ".local" / "share");
  fs::create_directories(root_.Path() / "home" / ".config");
  fs::create_directories(root_.Path() / "home" / ".cache");
  fs::create_directories(root_.Path() / "runtime");
  fs::create_directories(root_.Path() / "work");
  ::chmod((root_.Path() / "runtime").c_str(), 0700);
  ::setenv("HOME", (root_.Path() / "home").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (root_.Path() / "home" / ".local" / "share").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (root_.Path() / "home" / ".config").c_str(), 1);
  ::setenv("XDG_CACHE_HOME", (root_.Path() / "home" / ".cache").c_str(), 1);
  ::setenv("XDG_RUNTIME_DIR", (root_.Path() / "runtime").c_str(), 1);
  std::error_code ec;
  saved_cwd_ = fs::current_path(ec).string();
  fs::current_path(root_.Path() / "work", ec);
}

HomeSandbox::~HomeSandbox() {
  std::error_code ec;
  std::filesystem::current_path(saved_cwd_, ec);
  for (const auto& [name, value] : saved_) {
    if (value) {
      ::setenv(name.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name.c_str());
    }
  }
}

std::string HomeSandbox::Home() const { return (root_.Path() / "home").string() + "/"; }
std::string HomeSandbox::WorkFolder() const { return (root_.Path() / "work").string() + "/"; }
std::string HomeSandbox::PerUserFolder() const { return Home() + ".local/share/ZEVA/SatLab/"; }

}  // namespace jovi::test
