// Fuzzes the directory of the icon and cursor files (.ICO, .CUR) that the program reads itself
// (ParseIconDirectory and PickIconEntry, as ReadIconFile calls them before Qt decodes the
// pixels): every entry it accepts lies inside the file, with a size of 1 to 256 and a cursor's
// hot spot inside the image; the entry picked is one of them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/windows_cursor_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::span<const std::uint8_t> file(data, size);
  const auto dir = ParseIconDirectory(file);
  if (!dir) return 0;
  if (dir->entries.empty()) std::abort();
  for (const IconDirectoryEntry& e : dir->entries) {
    if (e.width < 1 || e.width > 256 || e.height < 1 || e.height > 256) std::abort();
    if (std::uint64_t{e.data_offset} + e.data_size > size || e.data_size == 0) std::abort();
    if (e.hot_x < 0 || e.hot_y < 0 || e.hot_x >= e.width || e.hot_y >= e.height) std::abort();
  }
  for (int side : {16, 32, 48, 256}) {
    if (PickIconEntry(*dir, side, side) >= dir->entries.size()) std::abort();
  }
  return 0;
}
