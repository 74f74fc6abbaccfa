#include "platform/windows_cursor_format.h"

#include "util/le_codec.h"

namespace jovi {

namespace {
constexpr std::size_t kHeaderBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER

int SizeFromByte(std::uint8_t b) { return b == 0 ? 256 : b; }

// Bytes of one row of the 1-bit mask, padded to whole 32-bit words.
std::uint32_t MaskRowBytes(int width) { return static_cast<std::uint32_t>((width + 31) / 32 * 4); }
}  // namespace

std::optional<IconDirectory> ParseIconDirectory(std::span<const std::uint8_t> file) {
  LeReader r(file);
  const std::uint16_t reserved = r.U16();
  const std::uint16_t type = r.U16();
  const std::uint16_t count = r.U16();
  if (r.Failed() || reserved != 0 || count == 0) return std::nullopt;
  if (type != static_cast<std::uint16_t>(IconFileKind::Icon) &&
      type != static_cast<std::uint16_t>(IconFileKind::Cursor)) {
    return std::nullopt;
  }
  IconDirectory dir;
  dir.kind = static_cast<IconFileKind>(type);
  for (std::uint16_t i = 0; i < count; ++i) {
    IconDirectoryEntry e;
    e.width = SizeFromByte(r.U8());
    e.height = SizeFromByte(r.U8());
    r.Skip(2);  // colour count, reserved
    const std::uint16_t planes_or_hot_x = r.U16();
    const std::uint16_t bits_or_hot_y = r.U16();
    e.data_size = r.U32();
    e.data_offset = r.U32();
    if (r.Failed()) return std::nullopt;
    if (dir.kind == IconFileKind::Cursor) {
      e.hot_x = planes_or_hot_x;
      e.hot_y = bits_or_hot_y;
      if (e.hot_x >= e.width || e.hot_y >= e.height) return std::nullopt;
    }
    const std::uint64_t end = std::uint64_t{e.data_offset} + e.data_size;
    if (e.data_size == 0 || e.data_offset < kHeaderBytes + count * kEntryBytes ||
        end > file.size()) {
      return std::nullopt;
    }
    dir.entries.push_back(e);
  }
  return dir;
}

std::size_t PickIconEntry(const IconDirectory& dir, int width, int height) {
  std::size_t best = 0;
  for (std::size_t i = 0; i < dir.entries.size(); ++i) {
    const IconDirectoryEntry& e = dir.entries[i];
    if (e.width == width && e.height == height) return i;
    if (e.width * e.height > dir.entries[best].width * dir.entries[best].height) best = i;
  }
  return best;
}

std::vector<std::uint8_t> EncodeIconFile(IconFileKind kind, int width, int height,
                                         std::span<const std::uint32_t> argb, int hot_x,
                                         int hot_y) {
  if (width < 1 || width > 256 || height < 1 || height > 256 ||
      argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return {};
  }
  const std::uint32_t mask_row = MaskRowBytes(width);
  const std::uint32_t pixel_bytes = static_cast<std::uint32_t>(width * height * 4);
  const std::uint32_t mask_bytes = mask_row * static_cast<std::uint32_t>(height);
  const std::uint32_t image_bytes = kInfoHeaderBytes + pixel_bytes + mask_bytes;

  LeWriter w;
  w.U16(0);
  w.U16(static_cast<std::uint16_t>(kind));
  w.U16(1);
  w.U8(static_cast<std::uint8_t>(width & 0xFF));  // 256 is stored as 0
  w.U8(static_cast<std::uint8_t>(height & 0xFF));
  w.U8(0);  // no palette
  w.U8(0);
  const bool cursor = kind == IconFileKind::Cursor;
  w.U16(static_cast<std::uint16_t>(cursor ? hot_x : 1));   // hot spot x, or colour planes
  w.U16(static_cast<std::uint16_t>(cursor ? hot_y : 32));  // hot spot y, or bits per pixel
  w.U32(image_bytes);
  w.U32(kHeaderBytes + kEntryBytes);

  w.U32(kInfoHeaderBytes);
  w.I32(width);
  w.I32(2 * height);  // the colour rows and the mask rows
  w.U16(1);
  w.U16(32);
  w.U32(0);  // uncompressed
  w.U32(pixel_bytes + mask_bytes);
  w.Zeros(16);  // resolution, colours used and important

  // Both the colours and the mask are stored bottom row first; colours as B, G, R, A.
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) w.U32(argb[static_cast<std::size_t>(y * width + x)]);
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(mask_row, 0);
    for (int x = 0; x < width; ++x) {
      if ((argb[static_cast<std::size_t>(y * width + x)] >> 24) == 0) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
      }
    }
    for (std::uint8_t b : row) w.U8(b);
  }
  return w.Bytes();
}

}  // namespace jovi
