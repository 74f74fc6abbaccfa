#include "astro/coefficient_file.h"

#include <array>
#include <cstdio>
#include <memory>

#include "platform/program_dir.h"

namespace jovi {

namespace {

std::string& Override() {
  static std::string path;
  return path;
}

std::uint64_t openings = 0;

}  // namespace

std::string CoefficientFile() {
  return Override().empty() ? ProgramDir() + kCoefficientFileName : Override();
}

void SetCoefficientFile(const std::string& path) { Override() = path; }

std::uint64_t CoefficientFileOpenings() { return openings; }

bool ReadCoefficientRecord(const std::string& path, std::int32_t number, CoefficientBlock& block) {
  ++openings;
  if (number < 0) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return false;
  const long offset = static_cast<long>(number) * static_cast<long>(kCoefficientBlockBytes);
  if (std::fseek(file.get(), offset, SEEK_SET) != 0) return false;
  std::array<std::uint8_t, kCoefficientBlockBytes> bytes{};
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
  LeReader in(bytes);
  block = ReadCoefficientBlock(in);
  return true;
}

}  // namespace jovi
