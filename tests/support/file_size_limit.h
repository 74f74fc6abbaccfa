// Makes every write beyond `bytes` in any file fail (EFBIG) for the life of the object, so a
// test can see what a writer leaves behind when the disk gives out part way. Works for root.
#pragma once

#include <sys/resource.h>

#include <csignal>

// setrlimit is ignored under Emscripten: no write fails there, so the tests that need a full
// disk skip themselves with this.
#ifdef __EMSCRIPTEN__
#define JOVI_SKIP_WITHOUT_FILE_SIZE_LIMIT() \
  GTEST_SKIP() << "setrlimit does not limit file sizes under Emscripten"
#else
#define JOVI_SKIP_WITHOUT_FILE_SIZE_LIMIT() static_cast<void>(0)
#endif

namespace jovi::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

}  // namespace jovi::test
