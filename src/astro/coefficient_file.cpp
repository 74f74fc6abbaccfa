#include "astro/coefficient_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "astro/outer_planet_records.h"
#include "platform/program_dir.h"
#include "util/real.h"

namespace jovi {

namespace {

std::string& Override() {
  static std::string path;
  return path;
}

std::uint64_t openings = 0;

// The last file read, whole, with what identifies its version on disk. The scene reads one
// record per computation, many times a second while animating; reading it from memory spares
// the open, seek, read and close each time, and a changed or replaced file is read again.
struct CachedFile {
  std::string path;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  timespec modified{};
  std::vector<std::uint8_t> bytes;

  bool Matches(const std::string& p, const struct stat& st) const {
    return p == path && st.st_dev == device && st.st_ino == inode && st.st_size == size &&
           st.st_mtim.tv_sec == modified.tv_sec && st.st_mtim.tv_nsec == modified.tv_nsec;
  }
};

// Larger files are not kept in memory; the 3200-record file is 281 600 bytes.
constexpr off_t kLargestCachedFile = 4 << 20;

CachedFile& Cache() {
  static CachedFile cache;
  return cache;
}

// The file's bytes, from the cache when the file on disk is still the one read; nullptr when
// it cannot be read whole.
const std::vector<std::uint8_t>* FileBytes(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kLargestCachedFile) {
    return nullptr;
  }
  CachedFile& cache = Cache();
  if (cache.Matches(path, st)) return &cache.bytes;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return nullptr;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return nullptr;
  cache = CachedFile{path, st.st_dev, st.st_ino, st.st_size, st.st_mtim, std::move(bytes)};
  return &cache.bytes;
}

}  // namespace

std::string CoefficientFile() {
  return Override().empty() ? ProgramDir() + kCoefficientFileName : Override();
}

void SetCoefficientFile(const std::string& path) { Override() = path; }

std::uint64_t CoefficientFileOpenings() { return openings; }

bool ReadCoefficientRecord(const std::string& path, std::int32_t number, CoefficientBlock& block) {
  ++openings;
  if (number < 0) return false;
  const std::size_t offset = static_cast<std::size_t>(number) * kCoefficientBlockBytes;
  std::array<std::uint8_t, kCoefficientBlockBytes> bytes{};
  if (const std::vector<std::uint8_t>* file = FileBytes(path)) {
    if (file->size() < offset + bytes.size()) return false;
    std::copy_n(file->begin() + static_cast<std::ptrdiff_t>(offset), bytes.size(), bytes.begin());
  } else {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f || std::fseek(f.get(), static_cast<long>(offset), SEEK_SET) != 0 ||
        std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
      return false;
    }
  }
  LeReader in(bytes);
  block = ReadCoefficientBlock(in);
  return true;
}

bool IsFiniteBlock(const CoefficientBlock& block) {
  if (!std::isfinite(block.StartMJD)) return false;
  for (const Coefficients* c : {&block.Longitude, &block.Latitude, &block.Radius}) {
    for (float v : *c) {
      if (!std::isfinite(v)) return false;
    }
  }
  return true;
}

CoefficientRecordRead ReadCheckedCoefficientRecord(const std::string& path, std::int32_t number,
                                                   Real jde, CoefficientBlock& block) {
  CoefficientBlock read;
  if (!ReadCoefficientRecord(path, number, read)) return CoefficientRecordRead::Missing;
  if (!IsFiniteBlock(read)) return CoefficientRecordRead::Damaged;
  // A block spans five calendar years; a start further back than six years cannot cover jde
  // (and is not handed to the calendar, which serves only the years it knows).
  const Real start = static_cast<Real>(read.StartMJD) + kMJDOrigin;
  if (!(start <= jde && jde - start <= 6 * 366.0_r) || jde > BlockEndJD(start)) {
    return CoefficientRecordRead::Damaged;
  }
  block = read;
  return CoefficientRecordRead::Read;
}

}  // namespace jovi
