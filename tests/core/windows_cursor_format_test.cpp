#include "platform/windows_cursor_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace jovi {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A 32 × 32 picture, transparent but for one opaque orange pixel at (3, 1).
std::vector<std::uint32_t> OnePixel() {
  std::vector<std::uint32_t> argb(32 * 32, 0x00000000);
  argb[1 * 32 + 3] = 0xFFFF8000;
  return argb;
}

TEST(WindowsCursorFormat, CursorKeepsItsHotSpotAndStoresPixelsBottomUp) {
  const Bytes file = EncodeIconFile(IconFileKind::Cursor, 32, 32, OnePixel(), 16, 15);
  const std::size_t image = 6 + 16;
  const std::size_t pixels = image + 40;
  const std::size_t mask = pixels + 32 * 32 * 4;
  ASSERT_EQ(file.size(), mask + 32 * 4);

  const auto dir = ParseIconDirectory(file);
  ASSERT_TRUE(dir.has_value());
  EXPECT_EQ(dir->kind, IconFileKind::Cursor);
  ASSERT_EQ(dir->entries.size(), 1u);
  const IconDirectoryEntry& e = dir->entries[0];
  EXPECT_EQ(e.width, 32);
  EXPECT_EQ(e.height, 32);
  EXPECT_EQ(e.hot_x, 16);
  EXPECT_EQ(e.hot_y, 15);
  EXPECT_EQ(e.data_offset, image);
  EXPECT_EQ(e.data_size, file.size() - image);

  EXPECT_EQ(U32At(file, image + 8), 64u);  // the header counts the colour and the mask rows
  // Row 1 from the top is row 30 from the bottom; colours are B, G, R, A.
  const std::size_t px = pixels + (30 * 32 + 3) * 4;
  EXPECT_EQ(file[px], 0x00);
  EXPECT_EQ(file[px + 1], 0x80);
  EXPECT_EQ(file[px + 2], 0xFF);
  EXPECT_EQ(file[px + 3], 0xFF);
  // In the mask a set bit is a transparent pixel, the leftmost pixel in the high bit.
  EXPECT_EQ(file[mask + 30 * 4], 0xEF);
  EXPECT_EQ(file[mask + 31 * 4], 0xFF);
}

TEST(WindowsCursorFormat, IconHasNoHotSpotAndStoresTheLargestSizeAsZero) {
  const Bytes small = EncodeIconFile(IconFileKind::Icon, 32, 32, OnePixel(), 16, 16);
  const auto dir = ParseIconDirectory(small);
  ASSERT_TRUE(dir.has_value());
  EXPECT_EQ(dir->kind, IconFileKind::Icon);
  EXPECT_EQ(dir->entries[0].hot_x, 0);  // those bytes hold the planes and bits per pixel
  EXPECT_EQ(dir->entries[0].hot_y, 0);

  const Bytes large =
      EncodeIconFile(IconFileKind::Icon, 256, 1, std::vector<std::uint32_t>(256, 0xFF000000));
  EXPECT_EQ(large[6], 0);
  const auto big = ParseIconDirectory(large);
  ASSERT_TRUE(big.has_value());
  EXPECT_EQ(big->entries[0].width, 256);
  EXPECT_EQ(big->entries[0].height, 1);
}

TEST(WindowsCursorFormat, EncoderRefusesSizesItCannotStore) {
  EXPECT_TRUE(EncodeIconFile(IconFileKind::Icon, 0, 1, {}).empty());
  EXPECT_TRUE(
      EncodeIconFile(IconFileKind::Icon, 257, 1, std::vector<std::uint32_t>(257, 0)).empty());
  EXPECT_TRUE(EncodeIconFile(IconFileKind::Icon, 32, 32, std::vector<std::uint32_t>(31)).empty());
}

TEST(WindowsCursorFormat, RejectsFilesThatAreNotIconsOrCursors) {
  const Bytes good = EncodeIconFile(IconFileKind::Cursor, 32, 32, OnePixel(), 16, 16);
  struct Case {
    const char* name;
    std::function<void(Bytes&)> spoil;
  };
  const Case cases[] = {
      {"empty", [](Bytes& b) { b.clear(); }},
      {"header cut short", [](Bytes& b) { b.resize(5); }},
      {"directory cut short", [](Bytes& b) { b.resize(6 + 15); }},
      {"reserved word set", [](Bytes& b) { b[0] = 1; }},
      {"kind 3", [](Bytes& b) { b[2] = 3; }},
      {"no image", [](Bytes& b) { b[4] = 0; }},
      {"image past the end", [](Bytes& b) { b.pop_back(); }},
      {"image inside the directory", [](Bytes& b) { b[18] = 6; }},
      {"empty image", [](Bytes& b) { b[14] = b[15] = b[16] = b[17] = 0; }},
      {"hot spot outside the image", [](Bytes& b) { b[10] = 32; }},
  };
  ASSERT_TRUE(ParseIconDirectory(good).has_value());
  for (const Case& c : cases) {
    Bytes b = good;
    c.spoil(b);
    EXPECT_FALSE(ParseIconDirectory(b).has_value()) << c.name;
  }
}

TEST(WindowsCursorFormat, PicksTheAskedSizeElseTheLargest) {
  IconDirectory dir;
  for (int size : {16, 48, 32}) dir.entries.push_back({size, size, 0, 0, 0, 0});
  EXPECT_EQ(PickIconEntry(dir, 32, 32), 2u);
  EXPECT_EQ(PickIconEntry(dir, 16, 16), 0u);
  EXPECT_EQ(PickIconEntry(dir, 24, 24), 1u);
}

}  // namespace
}  // namespace jovi
