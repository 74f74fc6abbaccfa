#include "platform/optical_media.h"

#include <sstream>

#include "platform/program_dir.h"
#include "util/text_file.h"

namespace jovi {

namespace {

// The mount table writes a space as "\040", a tab as "\011", a backslash as "\134".
std::string UnescapeMountField(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const auto octal = [&](std::size_t k) { return field[k] >= '0' && field[k] <= '7'; };
    if (field[i] == '\\' && i + 3 < field.size() && octal(i + 1) && octal(i + 2) &&
        octal(i + 3)) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

}  // namespace

std::string FirstOpticalMountPoint(std::string_view mount_table) {
  std::istringstream lines{std::string(mount_table)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, mount_point, type;
    if (!(fields >> device >> mount_point >> type)) continue;
    if (type == "iso9660" || type == "udf") {
      return WithTrailingSlash(UnescapeMountField(mount_point));
    }
  }
  return {};
}

std::string FindOpticalMediaRoot() {
  const TextFileLines table = ReadTextLines("/proc/mounts");
  if (!table.Ok()) return {};
  std::string text;
  for (const std::string& line : table.lines) text += line + "\n";
  return FirstOpticalMountPoint(text);
}

}  // namespace jovi
