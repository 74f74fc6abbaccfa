// The telescope's decisions: stepping limits, picture choice, moon pixels, clouds and the
// eclipse watch.
#include <gtest/gtest.h>

#include <deque>

#include "session/cloud_watch.h"
#include "session/eclipse_watch.h"
#include "session/observation_step.h"
#include "session/rotation_image.h"
#include "session/telescope_geometry.h"
#include "util/real.h"

namespace jovi {
namespace {

TEST(ObservationStepTest, TheRangeHoldsInBothDirections) {
  struct Case {
    const char* name;
    Real jd, hours;
    bool accepted;
  };
  const Case cases[] = {
      {"forward onto the upper limit is refused", 2743737.495_r, 24, false},
      {"forward to just below the upper limit", 2743737.49_r, 24, true},
      {"backward onto the lower limit is accepted", 1757583.5_r, -24, true},
      {"backward past the lower limit is refused", 1757583.5_r, -24.5_r, false},
      {"an ordinary night", 2455000.5_r, 24, true},
  };
  for (const Case& c : cases) {
    const auto t = StepTarget(c.jd, c.hours);
    EXPECT_EQ(t.has_value(), c.accepted) << c.name;
    if (t) {
      EXPECT_EQ(*t, c.jd + c.hours / 24) << c.name;
    }
  }
  EXPECT_FALSE(StepTarget(2455000.5_r, std::numeric_limits<Real>::quiet_NaN()));
  EXPECT_STREQ(StepOutOfRangeCaption(StepSource::Next), "*** Ephemeris Unavailable! ***");
  EXPECT_STREQ(StepOutOfRangeCaption(StepSource::Timer), "*** Annimation Stop! ***");
}

TEST(RotationImageTest, AnglesWrapIntoTheSet) {
  struct Case {
    const char* name;
    Real a;
    int index;
  };
  const Case cases[] = {
      {"a = 0", 0, 62},
      {"just below 2 pi", 2 * 3.14159265358979323846_r - 1e-9_r, 62},
      {"minus half a step rounds to even 0", -0.5_r * kRotationStep, 62},
      {"plus half a step rounds to even 0", 0.5_r * kRotationStep, 62},
      {"one and a half steps round to 2", 1.5_r * kRotationStep, 64},
      {"-62 steps wrap to the last picture", -62 * kRotationStep, 573},
      {"-61 steps give the first picture", -61 * kRotationStep, 1},
      {"511 steps give the last picture", 511 * kRotationStep, 573},
      {"512 steps wrap to the first", 512 * kRotationStep, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(RotationIndexForAngle(c.a), c.index) << c.name;
  // The Red Spot's longitude (degrees) is taken off the central meridian.
  EXPECT_EQ(SelectRotationImage(119 * 0.017453292519943295_r, 119.0f), 62);
  EXPECT_EQ(RotationImageName(1), "Jup001.BMP");
  EXPECT_EQ(RotationImageName(573), "Jup573.BMP");
  // A broken longitude still names a picture of the set.
  const int odd = RotationIndexForAngle(std::numeric_limits<Real>::infinity());
  EXPECT_TRUE(odd >= 1 && odd <= 573);
  const int far = RotationIndexForAngle(1.0e6_r);
  EXPECT_TRUE(far >= 1 && far <= 573);
}

TEST(TelescopeGeometryTest, MoonsShadowsAndPictureSizes) {
  std::array<SatelliteState, 4> moons{};
  moons[0].X = 2.05_r;   // 20.5 px at 100X rounds to even 20
  moons[0].Y = -1.15_r;  // -11.5 rounds to -12
  moons[0].SunX = 2.25_r;
  moons[0].SunY = 0.1_r;
  moons[1].X = -3.0_r;
  const MoonPixelSet px = PlaceMoons(moons, GeometryFor(1, 315, 163));
  EXPECT_EQ(px[0].X, 335);
  EXPECT_EQ(px[0].Y, 151);
  EXPECT_EQ(px[0].ShadowX, 337);  // 22.5 -> 22
  EXPECT_EQ(px[0].ShadowY, 164);
  EXPECT_EQ(px[1].X, 285);
  EXPECT_EQ(PlaceMoons(moons, GeometryFor(4, 315, 163))[1].X, 315 - 120);

  for (int m = 1; m <= 4; ++m) {
    const ViewGeometry g = GeometryFor(m, 315, 163);
    EXPECT_EQ(g.MagIndex, m - 1);
    EXPECT_EQ(g.PixelsPerRadius, 10 * m);
    // A 248-pixel picture is drawn one Jupiter diameter across.
    const PixelRect r = JupiterRect(248, 248, m, 315, 163);
    EXPECT_EQ(r.Width(), 20 * m);
    EXPECT_EQ(r.Left, 315 - 10 * m);
    EXPECT_EQ(MagnificationLabel(m), std::string(" ").append(std::to_string(100 * m)).append("x "));
  }
  const GlyphSize sizes[] = {{1, 1}, {1, 2}, {2, 2}, {2, 3}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(GlyphSizeFor(i).Before, sizes[i].Before);
    EXPECT_EQ(GlyphSizeFor(i).After, sizes[i].After);
  }
  // An odd width leaves the extra pixel on the right: 31 / 2 truncates.
  EXPECT_EQ(JupiterRect(96, 96, 4, 315, 163).Left, 315 - 15);
}

class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::deque<double> values) : values_(std::move(values)) {}
  double Uniform() override {
    ++draws;
    if (values_.empty()) return 0.5;
    const double v = values_.front();
    values_.pop_front();
    return v;
  }
  int draws = 0;

 private:
  std::deque<double> values_;
};

CloudState Sky(Real chance, Real hours) {
  CloudState s;
  s.CloudsEnabled = true;
  s.CloudChance = chance;
  s.CloudHours = hours;
  return s;
}

TEST(CloudWatchTest, ChanceDurationAndMagnification) {
  const Real jd = 2455000.5_r;
  {  // Chance 0: never clouded.
    CloudState sky = Sky(0, 6);
    ScriptedRandom random({0.0, 0.0});
    EXPECT_FALSE(UpdateClouds(sky, {false, false, jd, "/p/Cloud BMPs"}, random));
  }
  {  // Chance 1: a cloud with the picture the second number picks, lasting CloudHours.
    CloudState sky = Sky(1, 6);
    ScriptedRandom random({0.999, 0.999});
    EXPECT_TRUE(UpdateClouds(sky, {false, false, jd, "/p/Cloud BMPs"}, random));
    EXPECT_EQ(sky.CloudFile, "/p/Cloud BMPs/Clouds 7.bmp");
    EXPECT_EQ(sky.CloudStart, jd);
    EXPECT_EQ(sky.CloudEnd, jd + 0.25_r);
    // Still clouded five hours later; clear at the end; a new draw after that.
    EXPECT_TRUE(UpdateClouds(sky, {false, false, jd + 5 / 24.0_r, "x"}, random));
    const int draws = random.draws;
    EXPECT_EQ(draws, 2);
    EXPECT_FALSE(UpdateClouds(sky, {false, false, jd + 0.25_r, "x"}, random));
    EXPECT_EQ(random.draws, draws);  // the redraw that ends a cloud does not start one
    EXPECT_TRUE(UpdateClouds(sky, {false, false, jd + 0.25_r, "x"}, random));
  }
  {  // A 0-hour cloud ends at the next redraw.
    CloudState sky = Sky(1, 0);
    ScriptedRandom random({0.0, 0.0});
    EXPECT_TRUE(UpdateClouds(sky, {false, false, jd, "c"}, random));
    EXPECT_EQ(sky.CloudFile, "c/Clouds 1.bmp");
    EXPECT_FALSE(UpdateClouds(sky, {false, false, jd, "c"}, random));
  }
  {  // A magnification change neither starts nor ends a cloud.
    CloudState sky = Sky(1, 0);
    ScriptedRandom random({0.0, 0.0});
    EXPECT_FALSE(UpdateClouds(sky, {false, true, jd, "c"}, random));
    EXPECT_EQ(random.draws, 0);
    EXPECT_TRUE(UpdateClouds(sky, {false, false, jd, "c"}, random));
    EXPECT_TRUE(UpdateClouds(sky, {false, true, jd + 1, "c"}, random));
  }
  {  // Animation clears the sky and draws nothing; disabled clouds draw nothing.
    CloudState sky = Sky(1, 6);
    sky.Clouded = true;
    sky.CloudEnd = jd + 1;
    ScriptedRandom random({});
    EXPECT_FALSE(UpdateClouds(sky, {true, false, jd, "c"}, random));
    sky.CloudsEnabled = false;
    EXPECT_FALSE(UpdateClouds(sky, {false, false, jd, "c"}, random));
    EXPECT_EQ(random.draws, 0);
  }
}

MoonPixelSet Pixels(int x = 100, int y = 100) {
  MoonPixelSet p;
  for (int i = 0; i < 4; ++i) p[static_cast<std::size_t>(i)] = {x + 10 * i, y, x + 10 * i + 3, y};
  return p;
}

TEST(EclipseWatchTest, ShadowBeforeMoonAndTheColours) {
  std::array<SatelliteState, 4> moons{};
  moons[1].ShadowOnDisc = true;
  moons[2].Occulted = true;
  std::array<bool, 4> state{};
  FeatureSettings f;
  MoonPlan plan = PlanMoons(moons, Pixels(), f, false, state);
  using K = MoonMark::Kind;
  const std::vector<MoonMark> expected{{K::Glyph, 1, 100, 100, kMoonColour},
                                       {K::Glyph, 2, 113, 100, kShadowColour},
                                       {K::Glyph, 2, 110, 100, kMoonColour},
                                       {K::Glyph, 4, 130, 100, kMoonColour}};
  EXPECT_EQ(plan.marks, expected);
  f.UseIDColors = true;
  plan = PlanMoons(moons, Pixels(), f, false, state);
  EXPECT_EQ(plan.marks[0].colour, (Rgb{255, 0, 255}));
  EXPECT_EQ(plan.marks.back().colour, (Rgb{255, 255, 0}));
  // A pixel at 0 is not drawn, though it lies inside the picture.
  EXPECT_TRUE(PlanMoons(moons, Pixels(0, 100), f, false, state).marks.size() == 3u);
  EXPECT_TRUE(PlanMoons(moons, Pixels(100, 0), f, false, state).marks.empty());
}

TEST(EclipseWatchTest, EntryAndExitAreAnnouncedOnce) {
  std::array<SatelliteState, 4> moons{};
  std::array<bool, 4> state{};
  FeatureSettings f;
  f.StopOnEclipse = true;
  f.ShowEclipsedMoon = true;
  moons[0].Eclipsed = true;
  MoonPlan plan = PlanMoons(moons, Pixels(), f, true, state);
  ASSERT_TRUE(plan.notice);
  EXPECT_EQ(plan.notice->Text(),
            "Satellite 1 is Eclipsed!\r\n\r\nPress \"OK\" to Continue Animation.");
  EXPECT_EQ(plan.marks[0].kind, MoonMark::Kind::Cross);
  EXPECT_TRUE(state[0]);
  // Still eclipsed: the cross again, no second stop.
  EXPECT_FALSE(PlanMoons(moons, Pixels(), f, true, state).notice);
  // Hidden behind the disc while leaving the shadow: the state is kept, nothing announced.
  moons[0].Eclipsed = false;
  moons[0].Occulted = true;
  EXPECT_FALSE(PlanMoons(moons, Pixels(), f, true, state).notice);
  EXPECT_TRUE(state[0]);
  // Seen out of eclipse: the glyph (no shadow) and the exit notice.
  moons[0].Occulted = false;
  moons[0].ShadowOnDisc = true;
  plan = PlanMoons(moons, Pixels(), f, true, state);
  ASSERT_TRUE(plan.notice);
  EXPECT_FALSE(plan.notice->entered);
  EXPECT_EQ(plan.notice->Text(),
            "Satellite 1 is out of Eclipse!\r\n\r\nPress \"OK\" to Continue Animation.");
  EXPECT_EQ(plan.marks[0].kind, MoonMark::Kind::Glyph);
  EXPECT_EQ(plan.marks[0].x, 100);
  EXPECT_FALSE(state[0]);
  // Without animation, or without the stop feature, the state changes silently.
  moons[0].Eclipsed = true;
  EXPECT_FALSE(PlanMoons(moons, Pixels(), f, false, state).notice);
  EXPECT_TRUE(state[0]);
  // Without the cross feature an eclipsed moon is not drawn at all.
  f.ShowEclipsedMoon = false;
  moons[1].Eclipsed = true;
  plan = PlanMoons(moons, Pixels(), f, true, state);
  EXPECT_EQ(plan.notice->moon, 2);
  EXPECT_EQ(plan.marks.size(), 2u);  // moons 3 and 4 only
}

}  // namespace
}  // namespace jovi
