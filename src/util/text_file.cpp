#include "util/text_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "util/io_error.h"

namespace jovi {

TextFileLines ReadTextLines(const std::string& path) {
  TextFileLines result;
  errno = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                      &std::fclose);
  if (!file) {
    result.code = IoCodeFromErrno(errno, path);
    return result;
  }
  std::string content;
  char buf[8192];
  for (;;) {
    const std::size_t n = std::fread(buf, 1, sizeof buf, file.get());
    content.append(buf, n);
    if (n < sizeof buf) break;
  }
  if (std::ferror(file.get())) {
    result.code = IoCodeFromErrno(errno ? errno : EIO, path);
    return result;
  }
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result.lines.push_back(std::move(line));
    start = end + 1;
  }
  return result;
}

}  // namespace jovi
