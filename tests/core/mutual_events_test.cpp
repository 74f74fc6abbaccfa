#include "almanac/mutual_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "astro/coefficient_file.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "cli/cli_support.h"
#include "platform/program_dir.h"
#include "support/cli_run.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kSecond = 1.0_r / 86400;
constexpr Real kMinute = 60 * kSecond;

class MutualEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  }

  static const SatelliteState& MoonAt(ObservationScene& scene, Real ut, int moon) {
    scene.Compute(TDTFromUT(ut), ProgramPrompter());
    return scene.Satellite(moon);
  }

  // The one event of that code with its middle within a day of `near`.
  static MutualEvent OnlyEvent(Real near, const std::string& code) {
    const MutualSearch search = FindMutualEvents(near - 0.5_r, near + 0.5_r, 0, true);
    EXPECT_FALSE(search.failed);
    std::vector<MutualEvent> found;
    for (const MutualEvent& e : search.events) {
      if (e.Code() == code && std::fabs(e.middle - near) < 0.05_r) found.push_back(e);
    }
    EXPECT_EQ(found.size(), 1u) << code << " near " << static_cast<double>(near);
    return found.empty() ? MutualEvent{} : found.front();
  }
};

// The sky-plane clearance of two moons' discs straight from the scene's X and Y (the
// perspective changes the radii by under 0.2 %).
Real SkyClearance(ObservationScene& scene, Real ut, int a, int b) {
  scene.Compute(TDTFromUT(ut), ProgramPrompter());
  const SatelliteState& sa = scene.Satellite(a);
  const SatelliteState& sb = scene.Satellite(b);
  return std::hypot(sa.X - sb.X, sa.Y - sb.Y) - kMoonMeanRadius[a - 1] - kMoonMeanRadius[b - 1];
}

// The clearance of b from a's penumbra straight from SunX and SunY, the penumbra widening by
// the Sun's apparent radius (at 5.2 AU) per radius of depth behind a.
Real ShadowClearance(ObservationScene& scene, Real ut, int a, int b) {
  scene.Compute(TDTFromUT(ut), ProgramPrompter());
  const SatelliteState& sa = scene.Satellite(a);
  const SatelliteState& sb = scene.Satellite(b);
  const Real sun_angle = kSunRadiusKm / (5.2_r * kAstronomicalUnitKm);
  const Real penumbra = kMoonMeanRadius[a - 1] + (sb.SunZ - sa.SunZ) * sun_angle;
  return std::hypot(sa.SunX - sb.SunX, sa.SunY - sb.SunY) - penumbra - kMoonMeanRadius[b - 1];
}

TEST_F(MutualEvents, ContactsAndMiddleAgreeWithTheSceneItself) {
  struct Case {
    const char* what;
    Real near;  // middle, UT
    const char* code;
    char type;
    bool listed_by_default;  // visible and at least 3 % of b's light
    // How far (days) the independent clearance may put a contact or the middle: the
    // occultation's is exact; the eclipse's takes the Sun's distance as 5.2 AU and keeps the
    // scene's perspective from the Earth's distance.
    Real contact_tolerance;
  };
  const Case cases[] = {
      {"Ganymede totally occults Io", 2457006.394801_r, "3O1", 'T', true, 10 * kSecond},
      {"Europa's shadow partly on Io", 2457022.312993_r, "2E1", 'P', true, 60 * kSecond},
      {"Io grazes Europa: too shallow to list", 2455200.536711_r, "1O2", 'P', false, 10 * kSecond},
  };
  ObservationScene scene;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MutualEvent e = OnlyEvent(c.near, c.code);
    EXPECT_EQ(e.type, c.type);
    EXPECT_LT(e.begin, e.middle);
    EXPECT_LT(e.middle, e.end);
    const bool eclipse = e.kind == MutualKind::Eclipse;
    auto clearance = [&](Real t) {
      return eclipse ? ShadowClearance(scene, t, e.a, e.b) : SkyClearance(scene, t, e.a, e.b);
    };
    // Apart before the beginning and after the end, overlapping just inside them.
    EXPECT_GT(clearance(e.begin - c.contact_tolerance), 0);
    EXPECT_LT(clearance(e.begin + c.contact_tolerance), 0);
    EXPECT_LT(clearance(e.end - c.contact_tolerance), 0);
    EXPECT_GT(clearance(e.end + c.contact_tolerance), 0);
    // The middle is the least separation.
    const Real at_middle = clearance(e.middle);
    EXPECT_LT(at_middle, clearance(e.middle - c.contact_tolerance));
    EXPECT_LT(at_middle, clearance(e.middle + c.contact_tolerance));
    if (!eclipse) {
      // A total occultation: Io's whole disc inside Ganymede's.
      const Real sum = kMoonMeanRadius[e.a - 1] + kMoonMeanRadius[e.b - 1];
      const bool inside = at_middle + sum <= kMoonMeanRadius[e.a - 1] - kMoonMeanRadius[e.b - 1];
      EXPECT_EQ(inside, c.type == 'T');
      if (c.type == 'T') {
        EXPECT_NEAR(static_cast<double>(e.light_lost), 1.0, 1e-9);
      }
    }
    EXPECT_FALSE(e.behind_jupiter);
    EXPECT_EQ(e.light_lost >= kDefaultMinimumDrop, c.listed_by_default);

    const MutualSearch visible =
        FindMutualEvents(c.near - 0.5_r, c.near + 0.5_r, kDefaultMinimumDrop, false);
    bool listed = false;
    for (const MutualEvent& v : visible.events) listed = listed || v.Code() == c.code;
    EXPECT_EQ(listed, c.listed_by_default);
  }
}

TEST_F(MutualEvents, EventOnAMoonInJupitersShadowIsHidden) {
  // Io eclipses Europa while Europa itself is in Jupiter's shadow: nothing to see.
  constexpr Real kMiddle = 2461182.031740_r;
  const MutualEvent e = OnlyEvent(kMiddle, "1E2");
  ObservationScene scene;
  EXPECT_TRUE(MoonAt(scene, e.middle, 2).Eclipsed);
  EXPECT_TRUE(e.behind_jupiter);
  EXPECT_GE(e.light_lost, kDefaultMinimumDrop);
  EXPECT_TRUE(e.Hidden());
  const MutualSearch visible = FindMutualEvents(kMiddle - 0.1_r, kMiddle + 0.1_r, 0, false);
  for (const MutualEvent& v : visible.events) EXPECT_NE(v.Code(), "1E2");

  const test::CliResult all = test::RunCliCommand({"mutual", "2461181.9", "2461182.1", "--all"});
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_NE(all.out.find("1E2P 0.61 hidden\n"), std::string::npos) << all.out;
}

TEST_F(MutualEvents, NoContactEscapesTheSearch) {
  // Every sign change of every pair's clearance on a one-minute grid, over four days of the
  // season, is a contact of a listed event, and the clearances never change faster than the
  // bound the search steps by.
  constexpr Real kFrom = 2461400.5_r, kTo = 2461404.5_r;
  const MutualSearch search = FindMutualEvents(kFrom - 0.5_r, kTo + 0.5_r, 0, true);
  ASSERT_FALSE(search.failed);
  struct Function {
    int i, j;
    MutualKind kind;
  };
  std::vector<Function> functions;
  for (int i = 1; i <= 4; ++i) {
    for (int j = i + 1; j <= 4; ++j) {
      functions.push_back({i, j, MutualKind::Occultation});
      functions.push_back({i, j, MutualKind::Eclipse});
    }
  }
  ObservationScene scene;
  const Real sun_distance = JupiterSunDistance(kFrom);
  auto clearances = [&](Real t) {
    scene.Compute(TDTFromUT(t), ProgramPrompter());
    std::vector<Real> c;
    for (const Function& f : functions) {
      c.push_back((f.kind == MutualKind::Occultation ? OccultationDiscs(scene, f.i, f.j)
                                                     : EclipseDiscs(scene, f.i, f.j, sun_distance))
                      .Clearance());
    }
    return c;
  };
  int contacts = 0;
  std::vector<Real> before = clearances(kFrom);
  for (Real t = kFrom + kMinute; t <= kTo; t += kMinute) {
    const std::vector<Real> now = clearances(t);
    for (std::size_t n = 0; n < functions.size(); ++n) {
      const Function& f = functions[n];
      ASSERT_LT(std::fabs(now[n] - before[n]), MutualClearanceSpeedBound(f.i, f.j) * kMinute);
      if ((now[n] < 0) == (before[n] < 0)) continue;
      ++contacts;
      bool found = false;
      for (const MutualEvent& e : search.events) {
        const bool same =
            e.kind == f.kind && ((e.a == f.i && e.b == f.j) || (e.a == f.j && e.b == f.i));
        const Real at = now[n] < 0 ? e.begin : e.end;
        found = found || (same && at > t - kMinute - kSecond && at < t + kSecond);
      }
      EXPECT_TRUE(found) << f.i << ' ' << f.j << " at " << static_cast<double>(t);
    }
    before = now;
  }
  EXPECT_GT(contacts, 10);
}

TEST(MutualGeometry, KindsAndCodes) {
  struct Case {
    MutualKind kind;
    Real separation, radius_b, inner, outer;
    char type;
  };
  const Case cases[] = {
      // Occultations: a's disc covers b, lies inside b, or covers part of it.
      {MutualKind::Occultation, 0.005_r, 0.02_r, 0.03_r, 0.03_r, 'T'},
      {MutualKind::Occultation, 0.005_r, 0.03_r, 0.02_r, 0.02_r, 'A'},
      {MutualKind::Occultation, 0.02_r, 0.03_r, 0.02_r, 0.02_r, 'P'},
      // Eclipses: the umbra covers b; the umbra or the antumbra (inner < 0) lies within b.
      {MutualKind::Eclipse, 0.002_r, 0.02_r, 0.025_r, 0.06_r, 'T'},
      {MutualKind::Eclipse, 0.002_r, 0.03_r, 0.01_r, 0.05_r, 'A'},
      {MutualKind::Eclipse, 0.002_r, 0.03_r, -0.01_r, 0.07_r, 'A'},
      {MutualKind::Eclipse, 0.04_r, 0.03_r, 0.01_r, 0.05_r, 'P'},
  };
  for (const Case& c : cases) {
    MutualDiscs m;
    m.separation = c.separation;
    m.radius_b = c.radius_b;
    m.inner = c.inner;
    m.outer = c.outer;
    EXPECT_EQ(EventKindLetter(m, c.kind), c.type)
        << static_cast<double>(c.separation) << ' ' << static_cast<double>(c.inner);
  }
  MutualEvent e;
  e.a = 3;
  e.b = 1;
  EXPECT_EQ(e.Code(), "3O1");
  e.kind = MutualKind::Eclipse;
  e.a = 4;
  e.b = 2;
  EXPECT_EQ(e.Code(), "4E2");
}

TEST(MutualGeometry, LightLost) {
  // Two equal discs one radius apart share 2/3 pi - sqrt(3)/2 of pi r^2.
  const Real pi = std::acos(-1.0_r);
  EXPECT_NEAR(static_cast<double>(DiscOverlapArea(1, 1, 1)),
              static_cast<double>(2 * pi / 3 - std::sqrt(3.0_r) / 2), 1e-12);
  EXPECT_EQ(DiscOverlapArea(1, 2, 3.5_r), 0);
  EXPECT_NEAR(static_cast<double>(DiscOverlapArea(1, 3, 0.5_r)), static_cast<double>(pi), 1e-12);

  MutualDiscs m;
  m.radius_b = 0.02_r;
  m.depth = 10;
  m.sun_angle = 0.001_r;
  m.inner = 0.03_r - 0.01_r;
  m.outer = 0.03_r + 0.01_r;
  struct Case {
    Real separation, lost_low, lost_high;
  };
  const Case cases[] = {
      {0, 0.999, 1.0},      // b inside the umbra, its edge included
      {0.07_r, 0, 0},        // clear of the penumbra
      {0.055_r, 0.0, 0.02},  // just inside the penumbra's faint edge
      {0.03_r, 0.40, 0.60},  // b's centre on a's radius: about half the light
  };
  for (const Case& c : cases) {
    m.separation = c.separation;
    const Real lost = LightLost(m, MutualKind::Eclipse);
    EXPECT_GE(lost, c.lost_low) << static_cast<double>(c.separation);
    EXPECT_LE(lost, c.lost_high) << static_cast<double>(c.separation);
  }
  // A shadow with no depth is a hard disc, as an occultation.
  m.depth = 0;
  m.inner = m.outer = 0.03_r;
  m.separation = 0.035_r;
  EXPECT_NEAR(static_cast<double>(LightLost(m, MutualKind::Eclipse)),
              static_cast<double>(LightLost(m, MutualKind::Occultation)), 1e-12);
}

TEST_F(MutualEvents, MoonsLightInTheTelescope) {
  // At the middle of Ganymede's total occultation of Io, Io sends no light; the others all.
  constexpr Real kMiddle = 2457006.394801_r;
  ObservationScene scene;
  scene.Compute(TDTFromUT(kMiddle), ProgramPrompter());
  const auto light = MutualLightRemaining(scene, JupiterSunDistance(kMiddle));
  EXPECT_NEAR(static_cast<double>(light[0]), 0.0, 1e-9);
  for (int k = 1; k < 4; ++k) EXPECT_EQ(light[static_cast<std::size_t>(k)], 1);
}

TEST_F(MutualEvents, CommandLine) {
  const test::CliResult r = test::RunCliCommand({"mutual", "2457006.0", "2457007.0"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::regex line(
      R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d \d\d:\d\d:\d\d \d{7}\.\d{6} [1-4][OE][1-4][PAT] [01]\.\d\d)");
  std::istringstream in(r.out);
  int lines = 0;
  for (std::string l; std::getline(in, l); ++lines) EXPECT_TRUE(std::regex_match(l, line)) << l;
  EXPECT_GE(lines, 2);
  EXPECT_NE(r.out.find(" 2457006.394801 3O1T 1.00\n"), std::string::npos) << r.out;

  struct Bad {
    std::vector<std::string> args;
  };
  const Bad bad[] = {
      {{"mutual", "2457006"}},
      {{"mutual", "2457007", "2457006"}},
      {{"mutual", "2457006", "x"}},
      {{"mutual", "2457006", "2457007", "--min-drop"}},
      {{"mutual", "2457006", "2457007", "--min-drop", "1.5"}},
      {{"mutual", "2457006", "2457007", "--some"}},
      {{"mutual", "2457006", "2467007"}},
  };
  for (const Bad& b : bad) {
    const test::CliResult e = test::RunCliCommand(b.args);
    EXPECT_EQ(e.status, 2) << b.args.back();
    EXPECT_TRUE(e.out.empty());
    EXPECT_EQ(std::count(e.err.begin(), e.err.end(), '\n'), 1) << e.err;
  }
}

TEST_F(MutualEvents, TheLightCommandPrintsEachMoonsLight) {
  // 2014 December 14: Ganymede hides Io wholly at the middle of the event; an hour and a half
  // later every moon is at full light.
  const test::CliResult middle = test::RunCliCommand({"light", "2457006.394801"});
  ASSERT_EQ(middle.status, 0) << middle.err;
  EXPECT_EQ(middle.out, "1 0.000000\n2 1.000000\n3 1.000000\n4 1.000000\n");
  const test::CliResult later = test::RunCliCommand({"light", "2457006.46"});
  EXPECT_EQ(later.out, "1 1.000000\n2 1.000000\n3 1.000000\n4 1.000000\n");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"light"}, {"light", "x"}, {"light", "2457006", "2457007"}}) {
    const test::CliResult e = test::RunCliCommand(args);
    EXPECT_EQ(e.status, 2) << args.size();
    EXPECT_TRUE(e.out.empty());
  }
}

// "hh:mm" or "hh:mm.m" as a fraction of a day.
Real DayFraction(const std::string& text) {
  return (std::stold(text.substr(0, 2)) * 60 + std::stold(text.substr(3))) / 1440;
}

TEST_F(MutualEvents, AgreesWithPublishedPredictions) {
  std::ifstream in(std::string(JOVI_TEST_FIXTURES) + "/mutual_events_published.txt");
  ASSERT_TRUE(in) << "fixture missing";
  int compared = 0;
  for (std::string text; std::getline(in, text);) {
    if (text.empty() || text[0] == '#') continue;
    std::istringstream fields(text);
    std::string source, date, begin, end, code, begin_tolerance, end_tolerance;
    fields >> source >> date >> begin >> end >> code >> begin_tolerance >> end_tolerance;
    ASSERT_TRUE(fields) << text;
    const Real day = ToJD(cli::ParseDateTime(date, ""));
    const Real b = day + DayFraction(begin);
    Real e = day + DayFraction(end);
    if (e < b) e += 1;
    const MutualSearch search = FindMutualEvents(b - 0.3_r, e + 0.3_r, 0, true);
    const MutualEvent* match = nullptr;
    for (const MutualEvent& m : search.events) {
      if (m.Code() == code && m.begin < e && m.end > b) match = &m;
    }
    ASSERT_NE(match, nullptr) << text;
    if (begin_tolerance != "-") {
      EXPECT_LE(std::fabs(match->begin - b), std::stold(begin_tolerance) * kMinute) << text;
    }
    if (end_tolerance != "-") {
      EXPECT_LE(std::fabs(match->end - e), std::stold(end_tolerance) * kMinute) << text;
    }
    ++compared;
  }
  EXPECT_EQ(compared, 12);
}

}  // namespace
}  // namespace jovi
