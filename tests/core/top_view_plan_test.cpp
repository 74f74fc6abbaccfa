// What the top view paints for a scene: moons by the View menu's eclipse choice and orbit
// switch, their colours, the zone lines only when asked for, and the ring around a moon.
#include "session/top_view_plan.h"

#include <gtest/gtest.h>

namespace jovi {
namespace {

std::array<SatelliteState, 4> Scene() {
  std::array<SatelliteState, 4> moons{};
  moons[0].X = 3;  // Io eclipsed, west of Jupiter
  moons[0].Z = 4;
  moons[0].Eclipsed = true;
  moons[1].X = -9;  // Europa east, nearer the Earth
  moons[1].Z = -2;
  moons[2].X = -40;  // Ganymede off the left edge: no ring
  moons[3].Z = 26;
  return moons;
}

TEST(TopViewPlan, MoonsFollowTheMenuAndTheColourSwitch) {
  const TopViewLayout large = LargeTopView(632);
  const struct {
    const char* name;
    TopViewSettings settings;
    TopViewMark io;
    int io_size;
    int europa_size;
    Rgb europa_colour;
  } cases[] = {
      {"eclipse not shown: an ordinary dot", {true, false, EclipseDisplay::DontShow, false},
       TopViewMark::Dot, 2, 2, kMoonColour},
      {"eclipsed moon as +", {true, false, EclipseDisplay::Plus, false}, TopViewMark::Plus, 3, 2,
       kMoonColour},
      {"eclipsed moon hidden, no orbits: small dots", {false, false, EclipseDisplay::Hide, false},
       TopViewMark::Nothing, 0, 1, kMoonColour},
      {"ID colours", {true, false, EclipseDisplay::DontShow, true}, TopViewMark::Dot, 2, 2,
       kMoonIdColours[1]},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TopViewPlan plan = PlanTopView(large, Scene(), 0, c.settings, 32, 32);
    EXPECT_EQ(plan.Moons[0].Glyph.Mark, c.io);
    EXPECT_EQ(plan.Moons[0].Glyph.Size, c.io_size);
    EXPECT_EQ(plan.Moons[1].Glyph.Size, c.europa_size);
    EXPECT_EQ(plan.Moons[1].Colour, c.europa_colour);
    EXPECT_EQ(plan.ShowOrbits, c.settings.ShowOrbits);
    EXPECT_FALSE(plan.ZoneLines.has_value());
  }
  const TopViewPlan plan = PlanTopView(large, Scene(), 0, {}, 32, 32);
  EXPECT_EQ(plan.Moons[0].At, (ViewPoint{316 + 30, 276 - 40}));
  EXPECT_EQ(plan.Moons[1].At, (ViewPoint{316 - 90, 276 + 20}));
}

TEST(TopViewPlan, ZoneLinesAndTheRingAroundAMoon) {
  const TopViewLayout normal = NormalTopView();
  TopViewSettings settings;
  settings.ShowEclipseZone = true;
  const TopViewPlan plan = PlanTopView(normal, Scene(), 0, settings, 32, 32);
  ASSERT_TRUE(plan.ZoneLines.has_value());
  // At opposition straight up from the limb, the length of the outer orbit + 5.
  EXPECT_EQ((*plan.ZoneLines)[0].To, (ViewPoint{157, 151}));
  EXPECT_EQ((*plan.ZoneLines)[0].From, (ViewPoint{157, 151 - 150}));
  EXPECT_EQ(plan.Arrow.Icon, (ViewPoint{151 + 1 - 16, 344 - 37}));

  const auto ring = MoonMarkBox(plan, 2);
  ASSERT_TRUE(ring.has_value());
  EXPECT_EQ(ring->Left, plan.Moons[1].At.X - 10);
  EXPECT_EQ(ring->Bottom, plan.Moons[1].At.Y + 10);
  EXPECT_FALSE(MoonMarkBox(plan, 0).has_value());
  EXPECT_FALSE(MoonMarkBox(plan, 3).has_value());  // Ganymede's X is below 0
}

}  // namespace
}  // namespace jovi
