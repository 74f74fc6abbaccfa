// Reading a whole text file into lines, with the program's result codes for failures.
#pragma once

#include <string>
#include <vector>

namespace jovi {

struct TextFileLines {
  int code = 0;  // 0 on success, else an io_code (see io_error.h)
  std::vector<std::string> lines;  // without their line ends (LF or CR LF)
  bool Ok() const { return code == 0; }
};

TextFileLines ReadTextLines(const std::string& path);

}  // namespace jovi
