#include "platform/program_dir.h"

#include <filesystem>
#include <system_error>

namespace jovi {

namespace {
// A file that every complete set of shipped data holds.
constexpr const char* kMarkerFile = "Leap Seconds.txt";

std::string& Override() {
  static std::string dir;
  return dir;
}
}  // namespace

std::string WithTrailingSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string ExecutableDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  return WithTrailingSlash(exe.parent_path().string());
}

std::string ProgramDir() {
  if (!Override().empty()) return Override();
  static const std::string dir = [] {
    const std::string beside = ExecutableDir();
    std::error_code ec;
    if (std::filesystem::exists(beside + kMarkerFile, ec)) return beside;
    // An installed tree moved elsewhere: <prefix>/bin/ or <prefix>/libexec/jovitrack/, with the
    // data in <prefix>/share/jovitrack/.
    for (const char* up : {"../share/jovitrack/", "../../share/jovitrack/"}) {
      const std::string moved = beside + up;
      if (std::filesystem::exists(moved + kMarkerFile, ec)) return moved;
    }
#ifdef JOVI_INSTALLED_DATA_DIR
    return WithTrailingSlash(JOVI_INSTALLED_DATA_DIR);
#else
    return beside;
#endif
  }();
  return dir;
}

void SetProgramDir(const std::string& dir) {
  Override() = dir.empty() ? std::string() : WithTrailingSlash(dir);
}

}  // namespace jovi
