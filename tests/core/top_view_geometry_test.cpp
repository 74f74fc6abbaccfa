#include "session/top_view_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

TEST(TopView, LayoutsBoxesAndMoonPlaces) {
  const TopViewLayout normal = NormalTopView();
  EXPECT_EQ(normal.Width, 304);
  EXPECT_EQ(normal.Height, 344);
  const auto boxes = OrbitBoxes(normal);
  EXPECT_EQ(boxes[0].Left, 151 - 6);     // round(5.5) = 6: halves to even
  EXPECT_EQ(boxes[4].Right, 151 + 145);  // round(26.3699 * 5.5) = 145
  const TopViewLayout large = LargeTopView(632);
  EXPECT_EQ(large.CentreX, 316);
  EXPECT_EQ(large.CentreY, 276);
  EXPECT_EQ(OrbitBoxes(large)[1].Top, 276 - 59);

  SatelliteState moon;
  moon.X = 2.0_r;   // west: to the right
  moon.Z = 3.05_r;  // beyond Jupiter: up, away from the Earth
  EXPECT_EQ(MoonPosition(large, moon), (ViewPoint{336, 276 - 30}));  // round(-30.5) = -30
}

TEST(TopView, SunDirectionAndShadowZone) {
  // At opposition the Sun stands behind the Earth: angle 0, the shadow straight up.
  EXPECT_NEAR(static_cast<double>(TopViewAngle(1.0_r, 5.2_r, 4.2_r, 3.0_r, 3.0_r - kPi)), 0, 1e-9);
  const TopViewLayout large = LargeTopView(632);
  const ArrowPlacement arrow = PlaceArrow(large, 32, 32);
  EXPECT_EQ(arrow.Icon, (ViewPoint{316 + 1 - 16, 632 - 62}));
  EXPECT_EQ(arrow.Text, (ViewPoint{301 + 40, 570 + 5}));
  EXPECT_EQ(arrow.ZoneLength, 274);
  const auto lines = EclipseZoneLines(large, 0, arrow.ZoneLength);
  EXPECT_EQ(lines[0].To, (ViewPoint{326, 276}));   // the limb points, left and right
  EXPECT_EQ(lines[1].To, (ViewPoint{306, 276}));
  EXPECT_EQ(lines[0].From, (ViewPoint{326, 2}));   // up, away from the "To Earth" arrow
  EXPECT_EQ(lines[1].From, (ViewPoint{306, 2}));

  // East of the Sun the angle is positive, west negative, and its size is the triangle's.
  const Real east = TopViewAngle(1.0_r, 5.2_r, 5.0_r, 1.0_r, 0.0_r);
  const Real west = TopViewAngle(1.0_r, 5.2_r, 5.0_r, 0.0_r, 1.0_r);
  const Real expected = std::acos((5.2_r * 5.2_r + 25 - 1) / (2 * 5.2_r * 5));
  const double tolerance = kRealIsExtended ? 1e-15 : 1e-14;  // a double has 11 bits fewer
  EXPECT_NEAR(static_cast<double>(east), static_cast<double>(expected), tolerance);
  EXPECT_NEAR(static_cast<double>(west), static_cast<double>(-expected), tolerance);
  // Across the 0/2pi seam the elongation's sign is kept.
  EXPECT_GT(TopViewAngle(1.0_r, 5.2_r, 5.0_r, 0.1_r, 2 * kPi - 0.1_r), 0);

  // From the ephemerides: the angle never exceeds Jupiter's greatest phase angle (about 12 deg).
  SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
  for (int month = 1; month <= 12; ++month) {
    const Real a = TopViewAngleAt(TDTFromUT(test::CivilJD(1992, month, 1)));
    EXPECT_LT(std::fabs(static_cast<double>(a)), 12.5 * std::numbers::pi / 180) << month;
  }
}

TEST(TopView, MoonGlyphs) {
  struct Case {
    bool eclipsed;
    EclipseDisplay display;
    bool orbits;
    TopViewMark mark;
    int size;
  };
  const Case cases[] = {
      {false, EclipseDisplay::Plus, true, TopViewMark::Dot, 2},
      {false, EclipseDisplay::Hide, false, TopViewMark::Dot, 1},  // smaller without the orbits
      {true, EclipseDisplay::Plus, true, TopViewMark::Plus, 3},
      {true, EclipseDisplay::Hide, true, TopViewMark::Nothing, 0},
      {true, EclipseDisplay::DontShow, true, TopViewMark::Dot, 2},  // drawn as an ordinary moon
  };
  for (const Case& c : cases) {
    const MoonGlyph g = TopViewGlyph(c.eclipsed, c.display, c.orbits);
    EXPECT_EQ(g.Mark, c.mark);
    EXPECT_EQ(g.Size, c.size);
  }
}

}  // namespace
}  // namespace jovi
