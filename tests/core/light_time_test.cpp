// The light-time analysis: which events it takes, the delays under a student's numbers, what
// it shows when there is too little to show, and the science: perfect eclipse times found by
// the command line's search give the light time of one AU.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/light_time_fit.h"
#include "analysis/light_time_phase.h"
#include "analysis/light_time_plot.h"
#include "astro/coefficient_file.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "phenomena/jupiter_phenomena.h"
#include "platform/program_dir.h"
#include "support/cli_run.h"
#include "util/real.h"

namespace jovi {
namespace {

TEST(LightTimePhase, TellsEnteringLeavingAndNeither) {
  const struct {
    const char* text;
    EclipsePhase phase;
  } cases[] = {
      {"Io is entering eclipse.", EclipsePhase::Entering},
      {"Io is leaving Eclipse.", EclipsePhase::Leaving},
      {"Io enters eclipse", EclipsePhase::Entering},
      {"IO LEAVES THE SHADOW", EclipsePhase::Leaving},
      {"ingress of Io", EclipsePhase::Entering},
      {"Io reappears", EclipsePhase::Leaving},
      {"Europa is entering eclipse.", EclipsePhase::Neither},
      {"Ganymede leaves eclipse", EclipsePhase::Neither},
      {"Io enters eclipse, then leaves it", EclipsePhase::Neither},
      {"Io is eclipsed", EclipsePhase::Neither},
      {"", EclipsePhase::Neither},
      {"centre of the shadow", EclipsePhase::Neither},  // no "enter" hidden inside a word
  };
  for (const auto& c : cases) EXPECT_EQ(EclipsePhaseOf(c.text), c.phase) << c.text;
}

EventRecord Record(Real ut_jd, Real au, const std::string& text, float zone_hours = 0) {
  EventRecord r;
  r.DateTime = static_cast<double>(ut_jd - kSerialZeroJD - zone_hours / 24.0_r);
  r.DistanceAU = au;
  r.Event = text;
  return r;
}

TEST(LightTimeFit, TakesOneKindInTimeOrderFromTheSessionClock) {
  const float zone = -2;  // local time two hours ahead of UT
  const std::vector<EventRecord> records = {
      Record(2461500.25, 4.5, "Io is entering eclipse.", zone),
      Record(2461480.75, 4.9, "Io is leaving Eclipse.", zone),
      Record(2461450.5, 5.2, "Io enters eclipse", zone),
      Record(2461460.5, 5.1, "Europa is entering eclipse.", zone),
  };
  const std::vector<LightTimeEvent> entering = EventsOfPhase(records, zone, EclipsePhase::Entering);
  ASSERT_EQ(entering.size(), 2u);
  EXPECT_NEAR(static_cast<double>(entering[0].JulianDate), 2461450.5, 1e-8);
  EXPECT_EQ(entering[0].Text, "Io enters eclipse");
  EXPECT_NEAR(static_cast<double>(entering[1].JulianDate), 2461500.25, 1e-8);
  EXPECT_EQ(EventsOfPhase(records, zone, EclipsePhase::Leaving).size(), 1u);
}

TEST(LightTimeFit, DelaysFromTheStudentsPeriodAndLine) {
  // Events made to fit t = T0 + n P + (100 + 500 x distance) s exactly.
  const Real period = 1.77_r, t0 = 2461400.5_r;
  std::vector<LightTimeEvent> events;
  const int orbits[] = {0, 20, 45, 90};
  const Real au[] = {5.0_r, 4.8_r, 4.5_r, 4.2_r};
  for (int i = 0; i < 4; ++i) {
    const Real late = (100 + 500 * (au[i] - au[0])) / 86400;
    events.push_back({t0 + orbits[i] * period + late, au[i], "Io is entering eclipse."});
  }
  const LightTimeModel line{period, false, -500 * au[0], 500};
  const std::vector<LightTimePoint> points = LightTimePoints(events, line, EclipsePhase::Entering);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0].DelaySeconds, 0);  // T0 is the first event
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(points[i].Orbits, orbits[i]);
    EXPECT_NEAR(static_cast<double>(points[i].DelaySeconds), 500 * (au[i] - au[0]), 1e-3);
  }
  EXPECT_NEAR(static_cast<double>(LightTimeResidualSeconds(points, line)), 0, 1e-3);
  EXPECT_NEAR(static_cast<double>(SpeedOfLightKmPerS(500)), 299195.74, 0.01);

  const std::optional<LightTimeModel> best =
      BestLightTimeFit(events, 1.769_r, false, EclipsePhase::Entering);
  ASSERT_TRUE(best);
  EXPECT_NEAR(static_cast<double>(best->PeriodDays), 1.77, 1e-9);
  EXPECT_NEAR(static_cast<double>(best->SlopeSecondsPerAU), 500, 1e-3);

  // The plot takes in the points and the line with round ends.
  const LightTimePlotRange range = LightTimePlot(points, line);
  EXPECT_EQ(range.MinAU, 4.0_r);
  EXPECT_EQ(range.MaxAU, 5.0_r);
  EXPECT_LE(range.MinDelay, -400);
  EXPECT_GE(range.MaxDelay, 0);
  EXPECT_EQ(std::fmod(static_cast<double>(range.MinDelay), 100), 0);
}

TEST(LightTimeFit, TooLittleOrNonsenseGivesClearAnswers) {
  const LightTimeModel model{1.769_r, true, 0, 500};
  // Nothing at all.
  EXPECT_TRUE(LightTimePoints({}, model, EclipsePhase::Entering).empty());
  EXPECT_TRUE(std::isnan(LightTimeResidualSeconds({}, model)));
  const LightTimePlotRange empty = LightTimePlot({}, model);
  EXPECT_LT(empty.MinAU, empty.MaxAU);
  EXPECT_LT(empty.MinDelay, empty.MaxDelay);

  // One event: a delay of nothing, no residual, no fit.
  const std::vector<LightTimeEvent> one = {{2461400.5_r, 5.0_r, "Io enters eclipse"}};
  const std::vector<LightTimePoint> single = LightTimePoints(one, model, EclipsePhase::Entering);
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0].DelaySeconds, 0);
  EXPECT_TRUE(std::isnan(LightTimeResidualSeconds(single, model)));
  EXPECT_FALSE(BestLightTimeFit(one, 1.769_r, true, EclipsePhase::Entering));

  // Periods that count no orbits: every delay NaN, no residual; the plot still has ranges.
  const std::vector<LightTimeEvent> two = {{2461400.5_r, 5.0_r, "Io enters eclipse"},
                                           {2461500.5_r, 4.5_r, "Io enters eclipse"}};
  for (const Real period : {0.0_r, -1.0_r, 1.0e-9_r, Real(NAN), Real(INFINITY)}) {
    const std::vector<LightTimePoint> points =
        LightTimePoints(two, {period, false, 0, 500}, EclipsePhase::Entering);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_TRUE(std::isnan(points[1].DelaySeconds)) << period;
    EXPECT_TRUE(std::isnan(LightTimeResidualSeconds(points, {period, false, 0, 500})));
    const LightTimePlotRange range = LightTimePlot(points, {period, false, 0, 500});
    EXPECT_TRUE(std::isfinite(range.MinDelay) && std::isfinite(range.MaxDelay));
  }
  for (const Real slope : {0.0_r, -10.0_r, Real(NAN)}) {
    EXPECT_TRUE(std::isnan(SpeedOfLightKmPerS(slope))) << slope;
  }
}

}  // namespace
}  // namespace jovi
