// The Moon Events window's rules: minutes, the filter, an extra column, and Go To's time.
#include "almanac/almanac_listing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/civil_dates.h"
#include "util/real.h"

namespace jovi {
namespace {

Real UT(int h, int mi, float s = 0) { return test::CivilJD(2016, 1, 1, h, mi, s); }

TEST(AlmanacListing, MinutesAsPublishedAlmanacsRoundThem) {
  struct Case {
    Real jd;
    const char* text;
  };
  const Case cases[] = {
      {UT(15, 39, 10), "2016/01/01 15:39"},
      {UT(15, 45, 38), "2016/01/01 15:46"},
      {UT(23, 59, 31), "2016/01/02 00:00"},  // into the next day
      {UT(0, 0, 29), "2016/01/01 00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(MinuteText(c.jd), c.text);
  // Go To: five minutes before the listed minute, on the whole minute.
  const MoonEvent e{UT(15, 45, 38), 1, MoonEventKind::Eclipse, true, false, {}};
  EXPECT_NEAR(static_cast<double>(GoToInstant(e)), static_cast<double>(UT(15, 41)), 1e-9);
  EXPECT_EQ(ClampAlmanacDays(0), 1);
  EXPECT_EQ(ClampAlmanacDays(7), 7);
  EXPECT_EQ(ClampAlmanacDays(1000), 366);
}

TEST(AlmanacListing, FilterChoosesTheLinesAndEachLineKnowsItsEvent) {
  const std::vector<MoonEvent> found = {
      {UT(14, 13), 3, MoonEventKind::Eclipse, true, false, {}},
      {UT(15, 39), 1, MoonEventKind::Eclipse, true, false, {}},
      {UT(17, 39), 3, MoonEventKind::Eclipse, false, true, {}},
      {UT(19, 6), 1, MoonEventKind::Occultation, false, false, {}},
      {UT(20, 0), 2, MoonEventKind::ShadowTransit, true, false, {}},
  };
  AlmanacFilter only_io;
  only_io.moons = {true, false, false, false};
  AlmanacFilter hidden_eclipses;
  hidden_eclipses.kinds = MoonEventKindSet::None().Set(MoonEventKind::Eclipse);
  hidden_eclipses.show_hidden = true;
  AlmanacFilter nothing;
  nothing.kinds = MoonEventKindSet::None();
  struct Case {
    const char* what;
    AlmanacFilter filter;
    std::vector<std::string> codes;
  };
  const Case cases[] = {
      {"the default: every moon and kind, no hidden",
       AlmanacFilter{},
       {"III.Ec.D", "I.Ec.D", "I.Oc.R", "II.Sh.I"}},
      {"Io alone", only_io, {"I.Ec.D", "I.Oc.R"}},
      {"eclipses with the hidden ones", hidden_eclipses, {"III.Ec.D", "I.Ec.D", "III.Ec.R"}},
      {"no kind", nothing, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const AlmanacReport report = AlmanacLines(found, UT(0, 0), 1, c.filter);
    ASSERT_EQ(report.lines.size(), report.event_of_line.size());
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
      const int e = report.event_of_line[i];
      if (e < 0) continue;
      const MoonEvent& event = report.events[static_cast<std::size_t>(e)];
      codes.push_back(MoonEventCode(event));
      EXPECT_EQ(report.lines[i].substr(0, 16), MinuteText(event.jd));
      EXPECT_EQ(report.lines[i].find(" (hidden)") != std::string::npos, event.hidden);
    }
    EXPECT_EQ(codes, c.codes);
    for (const std::string& line : report.lines) EXPECT_LE(line.size(), 80u) << line;  // printable
    EXPECT_EQ(report.lines.front(),
              "Moon events from 2016/01/01 00:00 UT, 1 day, to 2016/01/02 00:00 UT");
    const bool empty_note = report.lines.back().starts_with("No events");
    EXPECT_EQ(empty_note, c.codes.empty());
  }
  const AlmanacReport io = AlmanacLines(found, UT(0, 0), 1, only_io);
  EXPECT_NE(std::find(io.lines.begin(), io.lines.end(),
                      "2016/01/01 15:39  I.Ec.D    Io disappears into Jupiter's shadow"),
            io.lines.end());
}

TEST(AlmanacListing, AnExtraColumnSitsAfterTheCodeUnderItsHeading) {
  const std::vector<MoonEvent> found = {{UT(15, 39), 1, MoonEventKind::Eclipse, true, false, {}}};
  const std::vector<AlmanacColumn> extra = {
      {"Alt", [](const MoonEvent&) { return std::string("35"); }}};
  const AlmanacReport report = AlmanacLines(found, UT(0, 0), 1, AlmanacFilter{}, extra);
  const auto heading = std::find_if(report.lines.begin(), report.lines.end(),
                                    [](const std::string& l) { return l.starts_with("Date"); });
  ASSERT_NE(heading, report.lines.end());
  EXPECT_EQ(*heading, "Date       UT     Event     Alt  What happens");
  EXPECT_EQ(report.lines.back(),
            "2016/01/01 15:39  I.Ec.D    35   Io disappears into Jupiter's shadow");
}

TEST(AlmanacListing, MutualEventsMergeInTimeAndFollowTheFilter) {
  MutualEvent io_on_europa;  // Io occults Europa
  io_on_europa.a = 1;
  io_on_europa.b = 2;
  io_on_europa.begin = UT(16, 0, 20);
  io_on_europa.middle = UT(16, 4);
  io_on_europa.end = UT(16, 8, 40);
  io_on_europa.light_lost = 0.243_r;
  MutualEvent faint = io_on_europa;  // Ganymede's shadow grazes Callisto
  faint.a = 3;
  faint.b = 4;
  faint.kind = MutualKind::Eclipse;
  faint.begin = UT(15, 0);
  faint.end = UT(15, 20);
  faint.light_lost = 0.01_r;
  faint.below_threshold = true;
  const std::vector<MoonEvent> found =
      WithMutualEvents({{UT(14, 13), 3, MoonEventKind::Eclipse, true, false, {}},
                        {UT(19, 6), 1, MoonEventKind::Occultation, false, false, {}}},
                       {io_on_europa, faint});
  AlmanacFilter mutual;
  mutual.mutual = true;
  AlmanacFilter mutual_hidden = mutual;
  mutual_hidden.show_hidden = true;
  AlmanacFilter europa = mutual;  // b alone chosen
  europa.moons = {false, true, false, false};
  AlmanacFilter io = mutual;  // a alone chosen
  io.moons = {true, false, false, false};
  AlmanacFilter callisto = mutual;
  callisto.moons = {false, false, false, true};
  AlmanacFilter mutual_only = mutual;
  mutual_only.kinds = MoonEventKindSet::None();
  struct Case {
    const char* what;
    AlmanacFilter filter;
    std::vector<std::string> codes;
  };
  const Case cases[] = {
      {"not chosen: as before", AlmanacFilter{}, {"III.Ec.D", "I.Oc.R"}},
      {"in time order, the faint one not listed", mutual, {"III.Ec.D", "1O2P", "I.Oc.R"}},
      {"the faint one with the hidden", mutual_hidden, {"III.Ec.D", "3E4P", "1O2P", "I.Oc.R"}},
      {"b chosen", europa, {"1O2P"}},
      {"a chosen", io, {"1O2P", "I.Oc.R"}},
      {"neither chosen", callisto, {}},
      {"mutual events alone", mutual_only, {"1O2P"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const AlmanacReport report = AlmanacLines(found, UT(0, 0), 1, c.filter);
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
      const int e = report.event_of_line[i];
      if (e < 0) continue;
      codes.push_back(report.lines[i].substr(18, report.lines[i].find(' ', 18) - 18));
    }
    for (const std::string& line : report.lines) EXPECT_LE(line.size(), 80u) << line;
    EXPECT_EQ(codes, c.codes);
  }
  const AlmanacReport report = AlmanacLines(found, UT(0, 0), 1, mutual_hidden);
  EXPECT_NE(std::find(report.lines.begin(), report.lines.end(),
                      "2016/01/01 16:00  1O2P      Io occults Europa, 24%, to 16:09"),
            report.lines.end());
  EXPECT_NE(
      std::find(report.lines.begin(), report.lines.end(),
                "2016/01/01 15:00  3E4P      Ganymede eclipses Callisto, 1%, to 15:20 (hidden)"),
      report.lines.end());
  // Go To: five minutes before the listed minute of the beginning.
  EXPECT_NEAR(static_cast<double>(GoToInstant(ListedMutualEvent(io_on_europa))),
              static_cast<double>(UT(15, 55)), 1e-9);
}

}  // namespace
}  // namespace jovi
