#include "session/moon_dimming.h"
#include "util/real.h"

#include <gtest/gtest.h>

#include <vector>

namespace jovi {
namespace {

TEST(MoonDimming, GlyphsFadeWithTheirLightAndHiddenOnesGo) {
  const Rgb moon = kMoonColour;
  const std::vector<MoonMark> marks = {
      {MoonMark::Kind::Glyph, 1, 10, 10, kShadowColour},  // Io's shadow on the disc
      {MoonMark::Kind::Glyph, 1, 20, 20, moon},
      {MoonMark::Kind::Glyph, 2, 21, 20, moon},
      {MoonMark::Kind::Cross, 3, 30, 30, moon},
      {MoonMark::Kind::Glyph, 4, 40, 40, moon},
  };
  struct Case {
    const char* what;
    std::array<Real, 4> light;
    std::vector<MoonMark> expected;
  };
  const Case cases[] = {
      {"no mutual event: nothing changes", {1, 1, 1, 1}, marks},
      {"Io half eclipsed: dimmed, and painted first",
       {0.5_r, 1, 1, 1},
       {{MoonMark::Kind::Glyph, 1, 20, 20, {128, 96, 0}},
        marks[0],
        marks[2],
        marks[3],
        marks[4]}},
      {"Europa wholly occulted: left out; a cross stays a cross",
       {1, 0, 0.2_r, 1},
       {marks[0], marks[1], marks[3], marks[4]}},
  };
  for (const Case& c : cases) {
    std::vector<MoonMark> got = marks;
    DimMoonMarks(got, c.light);
    EXPECT_EQ(got, c.expected) << c.what;
  }
}

}  // namespace
}  // namespace jovi
