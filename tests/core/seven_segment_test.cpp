// The read-out cells: right alignment, the decimal point, signs, overflow and the dark state.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/seven_segment.h"
#include "util/real.h"

namespace jovi {
namespace {

// The cells back as text: a glyph per cell ('8' style digits, '-', ' ') and '.' after a point.
std::string Shown(const std::vector<SegmentCell>& cells) {
  std::string text;
  for (const SegmentCell& c : cells) {
    char glyph = ' ';
    for (char g : std::string("0123456789-")) {
      if (c.Segments != 0 && GlyphSegments(g) == c.Segments) glyph = g;
    }
    text += glyph;
    if (c.Point) text += '.';
  }
  return text;
}

TEST(SevenSegment, CellsOfTheWindowsReadouts) {
  struct Case {
    const char* name;
    Real value;
    ReadoutFormat format;
    bool on;
    const char* shown;
  } cases[] = {
      {"T-zero", 2455201.3_r, {12, 5, false}, true, "2455201.30000"},
      {"period", 1.77_r, {7, 5, false}, true, " 1.77000"},
      {"amplitude", 13.18_r, {6, 4, false}, true, "13.1800"},
      {"cross-hair day", 203.04_r, {5, 1, false}, true, " 203.0"},
      {"negative, sign cell", -2.5_r, {4, 2, true}, true, "- 2.50"},
      {"positive, sign cell", 2.5_r, {4, 2, true}, true, "  2.50"},
      {"negative, no sign cell", -2.5_r, {5, 2, false}, true, " -2.50"},
      {"minus zero is zero", -0.001_r, {4, 2, true}, true, "  0.00"},
      {"too wide", 123.0_r, {4, 2, false}, true, "----"},
      {"switched off", 1.0_r, {4, 2, true}, false, "     "},
      {"not a number", NAN, {3, 1, false}, true, "---"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Shown(ReadoutCells(c.value, c.format, c.on)), c.shown) << c.name;
  }
}

TEST(SevenSegment, GlyphsAreDistinct) {
  for (char a = '0'; a <= '9'; ++a) {
    for (char b = '0'; b < a; ++b) EXPECT_NE(GlyphSegments(a), GlyphSegments(b)) << a << b;
  }
  EXPECT_EQ(GlyphSegments('8'), 0x7f);
  EXPECT_EQ(GlyphSegments('x'), 0);
}

}  // namespace
}  // namespace jovi
