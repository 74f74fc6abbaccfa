// The Windows icon and cursor file formats (.ICO, .CUR): the directory at the head of the file,
// which gives each image's size, place in the file and, for a cursor, its hot spot; and a writer
// of a file holding one 32-bit image with its transparency mask.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace jovi {

enum class IconFileKind : std::uint16_t { Icon = 1, Cursor = 2 };

struct IconDirectoryEntry {
  int width = 0;  // pixels, 1..256 (the file stores 256 as 0)
  int height = 0;
  int hot_x = 0;  // a cursor's hot spot, pixels from the image's top left; 0, 0 for an icon
  int hot_y = 0;
  std::uint32_t data_offset = 0;  // where the image's bytes start in the file
  std::uint32_t data_size = 0;
};

struct IconDirectory {
  IconFileKind kind = IconFileKind::Icon;
  std::vector<IconDirectoryEntry> entries;  // at least one, each inside the file
};

// The directory of an .ICO or .CUR file, or nullopt when `file` is not one: a header that is
// short or names another kind, no image, or an image that reaches past the end of the file.
std::optional<IconDirectory> ParseIconDirectory(std::span<const std::uint8_t> file);

// The index of the entry to show at `width` × `height`: that size when the file has it, else
// the largest image.
std::size_t PickIconEntry(const IconDirectory& dir, int width, int height);

// A whole .ICO or .CUR file holding one uncompressed 32-bit image and its mask (a pixel with
// alpha 0 is transparent). `argb` holds width × height pixels 0xAARRGGBB, top row first; the
// hot spot is written for a cursor only. Empty when the size is outside 1..256 or `argb` does
// not match it.
std::vector<std::uint8_t> EncodeIconFile(IconFileKind kind, int width, int height,
                                         std::span<const std::uint32_t> argb, int hot_x = 0,
                                         int hot_y = 0);

}  // namespace jovi
