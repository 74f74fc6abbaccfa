// The moons' almanac against the satellite scene it is built on.
#include "almanac/moon_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/coefficient_file.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kSecond = 1.0_r / 86400;

Real UT(std::int32_t y, int m, int d, int h = 0, int mi = 0) {
  return test::CivilJD(y, m, d, h, mi);
}

class MoonEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  }

  MoonEventList Find(Real from, Real to, int only_moon = 0,
                     MoonEventKindSet kinds = MoonEventKindSet::All(), bool hidden = false) {
    MoonEventQuery query;
    query.from_ut = from;
    query.to_ut = to;
    if (only_moon != 0) {
      query.moons = {false, false, false, false};
      query.moons[static_cast<std::size_t>(only_moon - 1)] = true;
    }
    query.kinds = kinds;
    query.include_hidden = hidden;
    MoonEventList list = FindMoonEvents(query, messages);
    EXPECT_TRUE(list.Ok()) << list.error;
    return list;
  }

  // The scene's own answer at a UT instant: is each moon inside the disc for each kind?
  using Flags = std::array<std::array<bool, kMoonEventKindCount>, 4>;
  static Flags FlagsAt(Real ut) {
    ObservationScene scene;
    SilentPrompter silent;
    scene.Compute(TDTFromUT(ut), silent);
    Flags flags{};
    for (std::size_t k = 0; k < 4; ++k) {
      const SatelliteState& s = scene.Satellites()[k];
      flags[k] = {s.Eclipsed, s.Occulted, s.Z < 0 && InsideDisc(s.X, s.Y), s.ShadowOnDisc};
    }
    return flags;
  }
  static bool Flag(Real ut, int moon, MoonEventKind kind) {
    return FlagsAt(ut)[static_cast<std::size_t>(moon - 1)][static_cast<std::size_t>(kind)];
  }

  static std::vector<std::string> Codes(const MoonEventList& list, bool mark_hidden = false) {
    std::vector<std::string> codes;
    for (const MoonEvent& e : list.events) {
      codes.push_back(MoonEventCode(e) + (mark_hidden && e.hidden ? " hidden" : ""));
    }
    return codes;
  }

  test::RecordingPrompter messages;
};

MoonEventKindSet EclipsesAndOccultations() {
  return MoonEventKindSet::None().Set(MoonEventKind::Eclipse).Set(MoonEventKind::Occultation);
}

TEST_F(MoonEvents, CodesAndWords) {
  MoonEvent e{2457389.152199_r, 1, MoonEventKind::Eclipse, true, false, {}};
  EXPECT_EQ(MoonEventCode(e), "I.Ec.D");
  EXPECT_EQ(MoonEventText(e), "Io disappears into Jupiter's shadow");
  e = {0, 4, MoonEventKind::ShadowTransit, false, false, {}};
  EXPECT_EQ(MoonEventCode(e), "IV.Sh.E");
  EXPECT_EQ(MoonEventText(e), "Callisto's shadow leaves Jupiter's disc");
  e = {0, 3, MoonEventKind::Transit, true, false, {}};
  EXPECT_EQ(MoonEventCode(e), "III.Tr.I");
  e = {0, 2, MoonEventKind::Occultation, false, false, {}};
  EXPECT_EQ(MoonEventCode(e), "II.Oc.R");
  EXPECT_EQ(MoonNumeral(0), "");
  EXPECT_EQ(MoonNumeral(5), "");
}

// Before opposition the shadow lies west of the disc: Io vanishes into it (seen) and reappears
// from behind the disc (seen); the other two ends happen out of sight. After opposition, the
// other way round. Hidden events are left out, and listed with include_hidden, marked.
TEST_F(MoonEvents, VisibilityRuleBothWays) {
  struct Case {
    const char* what;
    Real from, to;
    std::vector<std::string> visible;
    std::vector<std::string> all;
  };
  const Case cases[] = {
      {"2016 March 1, a week before opposition",
       UT(2016, 3, 1, 19),
       UT(2016, 3, 1, 23),
       {"I.Ec.D", "I.Oc.R"},
       {"I.Ec.D", "I.Oc.D hidden", "I.Ec.R hidden", "I.Oc.R"}},
      {"2016 May 2, two months after",
       UT(2016, 5, 2, 17),
       UT(2016, 5, 2, 21),
       {"I.Oc.D", "I.Ec.R"},
       {"I.Oc.D", "I.Ec.D hidden", "I.Oc.R hidden", "I.Ec.R"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Codes(Find(c.from, c.to, 1, EclipsesAndOccultations())), c.visible);
    const MoonEventList all = Find(c.from, c.to, 1, EclipsesAndOccultations(), true);
    EXPECT_EQ(Codes(all, true), c.all);
    // Hidden exactly as the scene says: behind the disc at an eclipse event, in the shadow at
    // an occultation event.
    for (const MoonEvent& e : all.events) {
      const MoonEventKind other =
          e.kind == MoonEventKind::Eclipse ? MoonEventKind::Occultation : MoonEventKind::Eclipse;
      EXPECT_EQ(e.hidden, Flag(e.jd, e.moon, other)) << MoonEventCode(e);
    }
  }
}

// A list that starts while a moon is already eclipsed, transiting or occulted begins with
// the end of that event.
TEST_F(MoonEvents, IntervalBeginningInsideAnEvent) {
  struct Case {
    const char* what;
    Real from;
    int moon;
    MoonEventKind kind;
    const char* first;
  };
  const Case cases[] = {
      {"Ganymede in the shadow (2016 Jan 1, 14:13 to 17:39)", UT(2016, 1, 1, 15), 3,
       MoonEventKind::Eclipse, "III.Ec.R"},
      {"Io crossing the disc (2016 Jan 2, 14:10 to 16:25)", UT(2016, 1, 2, 15), 1,
       MoonEventKind::Transit, "I.Tr.E"},
      {"Callisto behind the disc (2016 Jan 2, 23:25 to Jan 3, 1:40)", UT(2016, 1, 3), 4,
       MoonEventKind::Occultation, "IV.Oc.R"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(Flag(c.from, c.moon, c.kind));
    const MoonEventList list =
        Find(c.from, c.from + 2, c.moon, MoonEventKindSet::None().Set(c.kind), true);
    ASSERT_FALSE(list.events.empty());
    EXPECT_EQ(MoonEventCode(list.events.front()), c.first);
  }
}

// Far from Jupiter's equinox Callisto passes above or below the shadow (and the disc) and has
// no eclipse all year; Io is eclipsed in every orbit. Hidden events counted too.
TEST_F(MoonEvents, CallistoMissesTheShadowForAYear) {
  struct Case {
    int year;
    int moon;
    int eclipses_least, eclipses_most;
  };
  const Case cases[] = {
      {2018, 4, 0, 0},      // Callisto: none
      {2020, 4, 20, 22},    // near equinox: one in nearly every orbit (16.7 days)
      {2018, 1, 206, 207},  // Io: 365 / 1.769 orbits
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + ", moon " + std::to_string(c.moon));
    const MoonEventList list = Find(UT(c.year, 1, 1), UT(c.year + 1, 1, 1), c.moon,
                                    MoonEventKindSet::None().Set(MoonEventKind::Eclipse), true);
    const auto begins = std::count_if(list.events.begin(), list.events.end(),
                                      [](const MoonEvent& e) { return e.begins; });
    EXPECT_GE(begins, c.eclipses_least);
    EXPECT_LE(begins, c.eclipses_most);
  }
}

// Every listed instant lies within 1 s of where the scene's flag changes, and every change of
// the four flags that a scan of the scene every 30 s finds is listed (over four days with
// events of all four moons and all four kinds, the grazing Callisto passages of the season's
// edge included).
TEST_F(MoonEvents, EachInstantWithinOneSecondOfTheFlagChange) {
  struct Case {
    const char* what;
    Real from, to;
  };
  const Case cases[] = {
      {"2016 January 1 to 5", UT(2016, 1, 1), UT(2016, 1, 5)},
      {"2019 November 1, Callisto's shadow grazing the disc (27 min)", UT(2019, 11, 1),
       UT(2019, 11, 1, 3)},
      {"2019 November 17, Callisto grazing the disc (29 min)", UT(2019, 11, 17, 12),
       UT(2019, 11, 17, 14)},
  };
  constexpr Real kScanStep = 30 * kSecond;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MoonEventList list = Find(c.from, c.to, 0, MoonEventKindSet::All(), true);
    for (const MoonEvent& e : list.events) {
      EXPECT_NE(Flag(e.jd - kSecond, e.moon, e.kind), Flag(e.jd + kSecond, e.moon, e.kind))
          << MoonEventCode(e) << " at " << static_cast<double>(e.jd);
      EXPECT_EQ(Flag(e.jd + kSecond, e.moon, e.kind), e.begins) << MoonEventCode(e);
    }
    int changes = 0;
    const int steps = static_cast<int>(std::ceil((c.to - c.from) / kScanStep));
    Flags before{};
    for (int i = 0; i <= steps; ++i) {
      const Real t = std::min(c.from + i * kScanStep, c.to);
      const Flags flags = FlagsAt(t);
      for (int moon = 1; moon <= 4; ++moon) {
        for (const MoonEventKindInfo& info : MoonEventKinds()) {
          const bool now =
              flags[static_cast<std::size_t>(moon - 1)][static_cast<std::size_t>(info.kind)];
          bool& was =
              before[static_cast<std::size_t>(moon - 1)][static_cast<std::size_t>(info.kind)];
          if (i > 0 && now != was) {
            ++changes;
            const auto hit =
                std::count_if(list.events.begin(), list.events.end(), [&](const MoonEvent& e) {
                  return e.moon == moon && e.kind == info.kind && e.begins == now &&
                         e.jd > t - kScanStep - kSecond && e.jd <= t + kSecond;
                });
            EXPECT_EQ(hit, 1) << "moon " << moon << ' ' << info.code << " near "
                              << static_cast<double>(t);
          }
          was = now;
        }
      }
    }
    EXPECT_EQ(changes, static_cast<int>(list.events.size()));
  }
}

// The list is in time order; an event at either end of the interval is listed once, also when
// the end is the JD as printed (6 decimals).
TEST_F(MoonEvents, TimeOrderAndEventsAtTheEnds) {
  const MoonEventList week = Find(UT(2016, 1, 1), UT(2016, 1, 8));
  ASSERT_GT(week.events.size(), 40u);
  EXPECT_TRUE(std::is_sorted(week.events.begin(), week.events.end(),
                             [](const MoonEvent& a, const MoonEvent& b) { return a.jd < b.jd; }));
  const MoonEvent& e = week.events[week.events.size() / 2];
  const Real printed = std::round(e.jd * 1e6_r) / 1e6_r;
  struct Case {
    const char* what;
    Real from, to;
    bool first;  // expected first (else last)
  };
  const Case cases[] = {
      {"starting at it", e.jd, e.jd + 0.5_r, true},
      {"ending at it", e.jd - 0.5_r, e.jd, false},
      {"starting at its printed JD", printed, printed + 0.5_r, true},
      {"ending at its printed JD", printed - 0.5_r, printed, false},
      {"an interval of one instant", e.jd, e.jd, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MoonEventList list = Find(c.from, c.to);
    const auto same = [&](const MoonEvent& x) {
      return x.moon == e.moon && x.kind == e.kind && x.begins == e.begins &&
             std::fabs(x.jd - e.jd) < kSecond;
    };
    EXPECT_EQ(std::count_if(list.events.begin(), list.events.end(), same), 1);
    ASSERT_FALSE(list.events.empty());
    EXPECT_TRUE(same(c.first ? list.events.front() : list.events.back()));
  }
}

// The argument that no event is missed rests on two figures of the scene: how far the cubic
// through its hourly values departs from it, and how far it jumps where Jupiter's ephemeris
// passes from one five-year block to the next. Both stay well inside the band the search
// allows for.
TEST_F(MoonEvents, TheSceneStaysWithinTheSearchBand) {
  const MoonEventSearchFigures figures = MoonEventSearchParameters();
  EXPECT_EQ(figures.node_step_days, 1.0_r / 24);
  EXPECT_LE(figures.sub_step_days, 30 * kSecond);
  auto at = [](Real ut) {
    ObservationScene scene;
    SilentPrompter silent;
    scene.Compute(TDTFromUT(ut), silent);
    return scene.Satellites();
  };
  auto excess = [](const SatelliteState& s, bool sun) {
    return sun ? std::hypot(s.SunX, kDiscFlattening * s.SunY) - 1
               : std::hypot(s.X, kDiscFlattening * s.Y) - 1;
  };
  // The cubic through four hourly scenes, at the middle of the middle hour, over five days.
  const Real start = UT(2026, 1, 1);
  std::array<Real, 4> worst{};
  for (int n = 0; n < 120; ++n) {
    std::array<std::array<SatelliteState, 4>, 4> grid;
    for (int i = 0; i < 4; ++i) grid[static_cast<std::size_t>(i)] = at(start + (n - 1 + i) / 24.0_r);
    const auto truth = at(start + (n + 0.5_r) / 24);
    const Real w[4] = {-0.5_r * -0.5_r * -1.5_r / 6, 1.5_r * -0.5_r * -1.5_r / 2,
                              -1.5_r * 0.5_r * -1.5_r / 2, 1.5_r * 0.5_r * -0.5_r / 6};
    for (std::size_t k = 0; k < 4; ++k) {
      for (const bool sun : {false, true}) {
        Real x = 0, y = 0;
        for (std::size_t i = 0; i < 4; ++i) {
          x += w[i] * (sun ? grid[i][k].SunX : grid[i][k].X);
          y += w[i] * (sun ? grid[i][k].SunY : grid[i][k].Y);
        }
        const Real error =
            std::fabs(std::hypot(x, kDiscFlattening * y) - 1 - excess(truth[k], sun));
        worst[k] = std::max(worst[k], error);
      }
    }
  }
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_LT(worst[k], (figures.band[k] - figures.scene_jump) / 2) << "moon " << k + 1;
  }
  // The jumps at the joins of 2015, 2020 and 2025 (near 0:50 UT on January 1): the third
  // difference of the offsets, a minute apart, around each.
  for (const int year : {2015, 2020, 2025}) {
    Real jump = 0;
    for (Real t = UT(year, 1, 1, 0); t < UT(year, 1, 1, 2); t += 60 * kSecond) {
      const auto a = at(t - 60 * kSecond), b = at(t), c = at(t + 60 * kSecond),
                 d = at(t + 120 * kSecond);
      for (std::size_t k = 0; k < 4; ++k) {
        jump = std::max(jump, std::fabs(d[k].X - 3 * c[k].X + 3 * b[k].X - a[k].X));
        jump = std::max(jump, std::fabs(d[k].SunX - 3 * c[k].SunX + 3 * b[k].SunX - a[k].SunX));
      }
    }
    EXPECT_LT(jump, figures.scene_jump / 2) << year;
  }
}

TEST_F(MoonEvents, BadQueriesAndUnservedDatesFailCleanly) {
  MoonEventQuery query;
  query.from_ut = UT(2016, 1, 2);
  query.to_ut = UT(2016, 1, 1);
  EXPECT_EQ(FindMoonEvents(query, messages).error, "the end comes before the start");
  query.to_ut = query.from_ut + 3661;
  EXPECT_EQ(FindMoonEvents(query, messages).error, "the span is longer than 3660 days");
  // Beyond the years Jupiter's ephemeris serves: one error, no events, one message at most.
  query.from_ut = UT(7000, 1, 1);
  query.to_ut = query.from_ut + 1;
  const MoonEventList far = FindMoonEvents(query, messages);
  EXPECT_FALSE(far.Ok());
  EXPECT_NE(far.error.find("cannot be computed"), std::string::npos) << far.error;
  EXPECT_TRUE(far.events.empty());
  EXPECT_LE(far.scene_computations, 1);
  EXPECT_LE(messages.messages.size(), 1u);
  // No moon or no kind: nothing to find, no work.
  query.from_ut = UT(2016, 1, 1);
  query.to_ut = UT(2016, 1, 2);
  query.moons = {false, false, false, false};
  const MoonEventList none = FindMoonEvents(query, messages);
  EXPECT_TRUE(none.Ok());
  EXPECT_TRUE(none.events.empty());
  EXPECT_EQ(none.scene_computations, 0);
}

}  // namespace
}  // namespace jovi
