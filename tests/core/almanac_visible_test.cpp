// The almanac's visible list: the events kept at the boundaries of both limits, Jupiter's
// altitude in the listing's column, and the limits as typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "almanac/moon_events_report.h"
#include "almanac/visible_events.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "support/sign_change.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kMinute = 1.0_r / 1440;

using test::Crossing;

MoonEvent EventAt(Real jd, int moon) {
  MoonEvent e;
  e.jd = jd;
  e.moon = moon;
  e.kind = MoonEventKind::Transit;
  return e;
}

class AlmanacVisible : public ::testing::Test {
 protected:
  test::RecordingPrompter messages;
  SkyEphemeris sky{&messages};
  const ObserverPlace amsterdam{52.37, 4.89, 0, "Amsterdam"};
  // 2024 January 21 at Amsterdam: twilight ends near 16:45 UT with Jupiter high in the south;
  // Jupiter sinks below 10 degrees a little after midnight UT.
  const Real evening = test::CivilJD(2024, 1, 21, 16, 0);
  Real dusk = 0;     // the Sun 6 degrees down
  Real sinking = 0;  // Jupiter 10 degrees high, setting

  void SetUp() override {
    dusk = Crossing(evening, evening + 2.0_r / 24, [&](Real jd) {
      return VisibleFrom(sky, amsterdam, jd).sun_altitude_deg + 6;
    });
    sinking = Crossing(evening + 6.0_r / 24, evening + 9.5_r / 24, [&](Real jd) {
      return VisibleFrom(sky, amsterdam, jd).jupiter_altitude_deg - 10;
    });
  }
};

TEST_F(AlmanacVisible, KeepsTheEventsInsideBothLimitsOnly) {
  // Half a minute either side of each boundary, in time order; the moon tells them apart.
  const std::vector<MoonEvent> events = {
      EventAt(dusk - kMinute / 2, 1),     // twilight still too bright
      EventAt(dusk + kMinute / 2, 2),     // dark enough
      EventAt(sinking - kMinute / 2, 3),  // Jupiter still high enough
      EventAt(sinking + kMinute / 2, 4),  // too low
  };
  const VisibleEventList kept = KeepVisibleEvents(sky, amsterdam, events);
  ASSERT_TRUE(kept.available);
  ASSERT_EQ(kept.events.size(), 2u);
  EXPECT_EQ(kept.events[0].event.moon, 2);
  EXPECT_EQ(kept.events[1].event.moon, 3);
  EXPECT_GT(kept.events[0].jupiter_altitude_deg, 30);
  EXPECT_NEAR(kept.events[1].jupiter_altitude_deg, 10, 0.1);
  EXPECT_GE(kept.events[1].jupiter_altitude_deg, 10);

  // Other limits move both boundaries: with the Sun 12 degrees down and Jupiter 5 high, the
  // dusk events are too early and the late one is kept.
  VisibilityLimits other;
  other.sun_below_deg = 12;
  other.min_alt_deg = 5;
  const VisibleEventList late = KeepVisibleEvents(sky, amsterdam, events, other);
  ASSERT_EQ(late.events.size(), 2u);
  EXPECT_EQ(late.events[0].event.moon, 3);
  EXPECT_EQ(late.events[1].event.moon, 4);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(AlmanacVisible, TheListingShowsJupitersAltitude) {
  const std::vector<MoonEvent> events = {EventAt(dusk - kMinute, 1), EventAt(dusk + kMinute, 2),
                                         EventAt(sinking - kMinute, 3)};
  const VisibleEventList kept = KeepVisibleEvents(sky, amsterdam, events);
  const AlmanacColumn alt = JupiterAltitudeColumn(kept);
  const AlmanacReport report = AlmanacLines(kept.Events(), evening, 1, AlmanacFilter{}, {alt});
  ASSERT_EQ(report.events.size(), 2u);
  const std::string& heading = report.lines[6];
  EXPECT_EQ(heading, "Date       UT     Event     Alt  What happens");
  const std::string& high = report.lines[7];
  const std::string& low = report.lines[8];
  const std::string high_alt = alt.text(kept.events[0].event);
  EXPECT_EQ(high_alt.substr(1), WholeDegreesText(kept.events[0].jupiter_altitude_deg));
  EXPECT_EQ(high.substr(heading.find("Alt"), 3), high_alt) << high;
  EXPECT_EQ(low.substr(heading.find("Alt"), 5), " 10  ") << low;
  EXPECT_NE(low.find("  III.Tr.I  "), std::string::npos) << low;
  // An event the list does not hold has a blank altitude.
  EXPECT_EQ(alt.text(EventAt(dusk - kMinute, 1)), "");

  AlmanacReport shown = report;
  std::size_t at = 5;
  for (const std::string& line : VisibilityHeadings(amsterdam, {})) {
    InsertHeading(shown, at++, line);
  }
  EXPECT_EQ(shown.lines[5], "Visible from Amsterdam (52.37° N, 4.89° E).");
  EXPECT_EQ(shown.lines[6],
            "Jupiter at least 10° high, the Sun at least 6° below the horizon; "
            "Alt: Jupiter's, in °.");
  EXPECT_EQ(shown.event_of_line[5], -1);
  EXPECT_EQ(shown.event_of_line[9], 0);  // the event lines still point at their events
  EXPECT_EQ(shown.lines[9], report.lines[7]);
}

TEST_F(AlmanacVisible, AnUnknownDateIsLeftOutAndSaidSo) {
  const VisibleEventList kept =
      KeepVisibleEvents(sky, amsterdam, {EventAt(test::CivilJD(2900, 1, 1, 22), 1)});
  EXPECT_FALSE(kept.available);
  EXPECT_TRUE(kept.events.empty());
}

TEST_F(AlmanacVisible, TheReportListsTheVisibleEventsUnderThePlacesHeadings) {
  AlmanacSearch search;
  search.days = 1;
  search.found = {EventAt(dusk - kMinute, 1), EventAt(dusk + kMinute, 2),
                  EventAt(sinking - kMinute, 3), EventAt(sinking + kMinute, 4)};
  const AlmanacReport all = MoonEventsReport(search, evening, AlmanacFilter{});
  EXPECT_EQ(all.events.size(), 4u);
  EXPECT_EQ(all.lines[6], "Date       UT     Event     What happens");

  const VisibleChoice choice = JudgeVisibility(sky, search, amsterdam, {});
  const AlmanacReport seen = MoonEventsReport(search, evening, AlmanacFilter{}, &choice);
  ASSERT_EQ(seen.events.size(), 2u);
  EXPECT_EQ(seen.events[0].moon, 2);
  EXPECT_EQ(seen.events[1].moon, 3);
  EXPECT_EQ(seen.lines.size(), all.lines.size());  // two events fewer, two headings more
  const auto heading = std::find(seen.lines.begin(), seen.lines.end(),
                                 "Visible from Amsterdam (52.37° N, 4.89° E).");
  ASSERT_NE(heading, seen.lines.end());
  EXPECT_EQ(*(heading + 1),
            "Jupiter at least 10° high, the Sun at least 6° below the horizon; Alt: Jupiter's, "
            "in °.");
  EXPECT_EQ(*(heading + 2), "");  // the headings end where they ended
  EXPECT_NE(std::find(seen.lines.begin(), seen.lines.end(),
                      "Date       UT     Event     Alt  What happens"),
            seen.lines.end());
  // Every event line points at its event, whatever was inserted above it.
  for (std::size_t i = 0; i < seen.lines.size(); ++i) {
    const int e = seen.event_of_line[i];
    if (e < 0) continue;
    EXPECT_NE(seen.lines[i].find(MinuteText(seen.events[static_cast<std::size_t>(e)].jd).substr(11)),
              std::string::npos)
        << seen.lines[i];
  }

  // Other limits are judged anew: in full darkness only the late event is left.
  const VisibleChoice dark = JudgeVisibility(sky, search, amsterdam, {10, 18});
  const AlmanacReport late = MoonEventsReport(search, evening, AlmanacFilter{}, &dark);
  ASSERT_EQ(late.events.size(), 1u);
  EXPECT_EQ(late.events[0].moon, 3);
  EXPECT_NE(std::find(late.lines.begin(), late.lines.end(),
                      "Jupiter at least 10° high, the Sun at least 18° below the horizon; Alt: "
                      "Jupiter's, in °."),
            late.lines.end());

  // A failed search says so under the list, and unknown dates are said to be left out.
  search.error = "Jupiter's place is not available";
  search.found.push_back(EventAt(test::CivilJD(2900, 1, 1, 22), 1));
  const VisibleChoice unknown = JudgeVisibility(sky, search, amsterdam, {});
  const AlmanacReport failed = MoonEventsReport(search, evening, AlmanacFilter{}, &unknown);
  EXPECT_EQ(failed.lines.back(),
            "The moons' events cannot be listed: Jupiter's place is not available.");
  EXPECT_EQ(failed.event_of_line.back(), -1);
  EXPECT_NE(std::find(failed.lines.begin(), failed.lines.end(),
                      "Some events are left out: Jupiter's place is not known for them."),
            failed.lines.end());
}

TEST(AlmanacVisibleLimits, BothFieldsReadTogether) {
  struct Case {
    const char* alt;
    const char* sun;
    Real min_alt, sun_below;  // the limits after reading, from 20 and 12
    const char* why;
  };
  const Case cases[] = {
      {"15", "9", 15, 9, ""},
      {"95", "9", 20, 9, "Jupiter's least altitude is a number of degrees from 0 to 90."},
      {"15", "x", 15, 12, "The Sun's depth below the horizon is a number of degrees from 0 to 18."},
      // Both refused: the first field's reason, both limits as they were.
      {"", "19", 20, 12, "Jupiter's least altitude is a number of degrees from 0 to 90."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.alt) + " / " + c.sun);
    VisibilityLimits limits{20, 12};
    EXPECT_EQ(ReadVisibilityLimits(c.alt, c.sun, limits), c.why);
    EXPECT_EQ(limits.min_alt_deg, c.min_alt);
    EXPECT_EQ(limits.sun_below_deg, c.sun_below);
  }
}

TEST(AlmanacVisibleLimits, TypedLimits) {
  struct Case {
    const char* text;
    std::optional<Real> min_alt;
    std::optional<Real> sun_below;
  };
  const Case cases[] = {
      {"10", 10, 10},      {" 6.5 ", 6.5_r, 6.5_r}, {"0", 0, 0},       {"18", 18, 18},
      {"18.5", 18.5_r, {}}, {"90", 90, {}},        {"90.01", {}, {}}, {"-1", {}, {}},
      {"", {}, {}},        {"10°", {}, {}},       {"1e1", 10, 10},   {"nan", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string why;
    EXPECT_EQ(ParseMinAltitude(c.text, &why), c.min_alt);
    EXPECT_EQ(ParseSunBelow(c.text, &why), c.sun_below);
  }
  std::string why;
  EXPECT_FALSE(ParseSunBelow("20", &why));
  EXPECT_EQ(why, "The Sun's depth below the horizon is a number of degrees from 0 to 18");
  EXPECT_EQ(LimitText(10), "10");
  EXPECT_EQ(LimitText(12.5_r), "12.5");
  EXPECT_EQ(WholeDegreesText(-0.4_r), "0");
  EXPECT_EQ(WholeDegreesText(9.5_r), "10");
}

}  // namespace
}  // namespace jovi
