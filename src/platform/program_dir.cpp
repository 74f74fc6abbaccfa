#include "platform/program_dir.h"

#include <filesystem>
#include <system_error>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

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

#ifdef __EMSCRIPTEN__
// Under node the program is a script: its folder is the script's (/proc/self/exe would be
// node's own). Elsewhere (a browser) there is no such folder; the caller sets the data folder.
EM_JS(int, JoviScriptDir, (char* buffer, int size), {
  if (typeof process !== 'object' || !process.argv || process.argv.length < 2 ||
      typeof require !== 'function') {
    return 0;
  }
  var path = require('path');
  var dir = path.dirname(require('fs').realpathSync(process.argv[1]));
  if (lengthBytesUTF8(dir) + 1 > size) return 0;
  stringToUTF8(dir, buffer, size);
  return 1;
});
#endif

std::string ExecutableDir() {
#ifdef __EMSCRIPTEN__
  char dir[4096];
  if (!JoviScriptDir(dir, sizeof dir)) return "./";
  return WithTrailingSlash(dir);
#endif
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
