// The readers that take a path get the fuzzer's bytes as a file of their own: a new name for
// every input (so no reader's cache can mistake one input for the last), the last one removed.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace jovi::fuzz {

inline std::string& LastInputFile() {
  static std::string last;
  return last;
}

// A folder of this process, made on first use under TMPDIR (or /tmp), removed at exit.
inline const std::string& FuzzFolder() {
  static const std::string folder = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/jovi-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern + "/";
  }();
  static const bool cleanup = [] {
    std::atexit([] {
      if (!LastInputFile().empty()) std::remove(LastInputFile().c_str());
      ::rmdir(FuzzFolder().c_str());
    });
    return true;
  }();
  (void)cleanup;
  return folder;
}

// Writes the input to FuzzFolder() + "<n>" + `name` and returns that path; the file of the
// previous call is removed first. Whatever else a target writes there it removes itself.
inline std::string InputFile(const std::uint8_t* data, std::size_t size, const std::string& name) {
  static std::uint64_t count = 0;
  std::string& last = LastInputFile();
  if (!last.empty()) std::remove(last.c_str());
  const std::string path = FuzzFolder() + std::to_string(count++) + name;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  if (std::fclose(f) != 0) std::abort();
  last = path;
  return path;
}

}  // namespace jovi::fuzz
