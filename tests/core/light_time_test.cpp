// The light-time analysis: which events it takes, the delays under a student's numbers, what
// it shows when there is too little to show, and the science: perfect eclipse times found by
// the command line's search give the light time of one AU.
#include <gtest/gtest.h>

#include <algorithm>
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
      {"I.Ec.D", EclipsePhase::Entering},
      {"I.Ec.R 2027/02/21", EclipsePhase::Leaving},
      {"II.Ec.D", EclipsePhase::Neither},
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
      Record(NAN, 5.0, "Io is entering eclipse.", zone),
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
    for (const bool allow : {false, true}) {
      const LightTimeModel nonsense{period, allow, 0, 500};
      const std::vector<LightTimePoint> points =
          LightTimePoints(two, nonsense, EclipsePhase::Entering);
      ASSERT_EQ(points.size(), 2u);
      EXPECT_TRUE(std::isnan(points[1].DelaySeconds)) << period;
      EXPECT_TRUE(std::isnan(LightTimeResidualSeconds(points, nonsense)));
      const LightTimePlotRange range = LightTimePlot(points, nonsense);
      EXPECT_TRUE(std::isfinite(range.MinDelay) && std::isfinite(range.MaxDelay));
    }
  }
  for (const Real slope : {0.0_r, -10.0_r, Real(NAN)}) {
    EXPECT_TRUE(std::isnan(SpeedOfLightKmPerS(slope))) << slope;
  }
}

// The science: Io's eclipses found by jovitrack-cli's own search (events FROM TO --moon 1),
// each with the Earth-Jupiter distance the record dialog would give it.
class PerfectEclipses : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
    ProgramScene().JupiterDistance = 0;
  }

  // The first eclipse event of the kind from `ut_jd` on (each kind comes once in 1.77 days).
  static LightTimeEvent EventFrom(Real ut_jd, EclipsePhase phase) {
    char from[32], to[32];
    std::snprintf(from, sizeof from, "%.6f", static_cast<double>(ut_jd));
    std::snprintf(to, sizeof to, "%.6f", static_cast<double>(ut_jd + 1.8_r));
    const test::CliResult r = test::RunCliCommand({"events", from, to, "--moon", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    int moon = 0;
    std::string kind, rest;
    double jd = 0;
    while (lines >> moon >> kind >> jd && std::getline(lines, rest)) {
      if ((kind == "enter") == (phase == EclipsePhase::Entering)) {
        return {jd, EarthJupiterDistanceAt(TDTFromUT(jd)), kind};
      }
    }
    ADD_FAILURE() << "no event from " << from;
    return {};
  }

  // Five eclipses of the kind a month or more apart: entering from 170 days before the
  // opposition to 10 days before, leaving from 10 days after to 170 days after.
  static std::vector<LightTimeEvent> Season(Real opposition, EclipsePhase phase) {
    std::vector<LightTimeEvent> events;
    for (const Real days : {10.0_r, 50.0_r, 90.0_r, 130.0_r, 170.0_r}) {
      events.push_back(EventFrom(
          phase == EclipsePhase::Entering ? opposition - days : opposition + days - 1, phase));
    }
    std::sort(events.begin(), events.end(), [](const LightTimeEvent& a, const LightTimeEvent& b) {
      return a.JulianDate < b.JulianDate;
    });
    return events;
  }
};

TEST_F(PerfectEclipses, GiveTheLightTimeOfOneAU) {
  // Oppositions spread over a turn of Jupiter round the Sun (the Sun's height above Jupiter's
  // equator and Jupiter's distance change from one to the next): 2020 July, 2023 November,
  // 2027 February, 2029 April.
  for (const Real opposition : {2459044.8_r, 2460252.5_r, 2461448.0_r, 2462239.0_r}) {
    for (const EclipsePhase phase : {EclipsePhase::Entering, EclipsePhase::Leaving}) {
      const std::vector<LightTimeEvent> events = Season(opposition, phase);
      ASSERT_EQ(events.size(), 5u);
      const Real nearest = std::min(events.front().DistanceAU, events.back().DistanceAU);
      const Real farthest = std::max(events.front().DistanceAU, events.back().DistanceAU);
      ASSERT_GE(farthest - nearest, 1.3_r);

      const std::optional<LightTimeModel> fit = BestLightTimeFit(events, kStartPeriodDays, true, phase);
      ASSERT_TRUE(fit);
      const double slope = static_cast<double>(fit->SlopeSecondsPerAU);
      std::printf("opposition %.1f, %s: %.2f s per AU\n", static_cast<double>(opposition),
                  phase == EclipsePhase::Entering ? "entering" : "leaving", slope);
      EXPECT_NEAR(slope, 499.0, 3.0) << static_cast<double>(opposition);
      EXPECT_NEAR(static_cast<double>(SpeedOfLightKmPerS(fit->SlopeSecondsPerAU)), 299792,
                  0.006 * 299792);
      // The student who finds that line sees the points on it.
      const std::vector<LightTimePoint> points = LightTimePoints(events, *fit, phase);
      EXPECT_LT(static_cast<double>(LightTimeResidualSeconds(points, *fit)), 3.0);
    }
  }
}

TEST_F(PerfectEclipses, TwoSeasonsOfOneKind) {
  // Entering in the seasons before the oppositions of 2027 February and 2028 March: the
  // distance falls twice, so the period and the light time part far more clearly.
  std::vector<LightTimeEvent> events;
  for (const Real at : {2461448.0_r - 150, 2461448.0_r - 90, 2461448.0_r - 20,
                        2461847.0_r - 120, 2461847.0_r - 40}) {
    events.push_back(EventFrom(at, EclipsePhase::Entering));
  }
  const std::optional<LightTimeModel> fit =
      BestLightTimeFit(events, kStartPeriodDays, true, EclipsePhase::Entering);
  ASSERT_TRUE(fit);
  EXPECT_NEAR(static_cast<double>(fit->SlopeSecondsPerAU), 499.0, 3.0);
}

TEST_F(PerfectEclipses, NoAllowanceWhereJupiterCannotBePlaced) {
  // A year the ephemeris does not serve (3501): the delays without the allowance, none with it.
  const std::vector<LightTimeEvent> events = {{3000000.5_r, 5.0_r, "Io enters eclipse"},
                                              {3000100.5_r, 4.5_r, "Io enters eclipse"}};
  for (const bool allow : {false, true}) {
    const std::vector<LightTimePoint> points =
        LightTimePoints(events, {1.769_r, allow, 0, 500}, EclipsePhase::Entering);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(std::isnan(points[1].DelaySeconds), allow);
  }
  EXPECT_FALSE(BestLightTimeFit({events[0], events[1], events[1]}, 1.769_r, true,
                                EclipsePhase::Entering));
}

TEST_F(PerfectEclipses, OneWrongEventShowsInTheResidual) {
  std::vector<LightTimeEvent> events = Season(2461448.0_r, EclipsePhase::Entering);
  // Timed two minutes late, or a leaving taken for an entering.
  for (const Real wrong : {events[2].JulianDate + 2.0_r / 1440,
                           EventFrom(events[2].JulianDate - 1, EclipsePhase::Leaving).JulianDate}) {
    std::vector<LightTimeEvent> student = events;
    student[2].JulianDate = wrong;
    const std::optional<LightTimeModel> fit =
        BestLightTimeFit(student, kStartPeriodDays, true, EclipsePhase::Entering);
    ASSERT_TRUE(fit);
    const std::vector<LightTimePoint> points = LightTimePoints(student, *fit, EclipsePhase::Entering);
    EXPECT_GT(static_cast<double>(LightTimeResidualSeconds(points, *fit)), 20.0);
  }
}

// The teacher's answer key from an exported list: a season of perfect eclipses of each kind in
// 2027 (tests/fixtures/light_time, made from jovitrack-cli events).
TEST_F(PerfectEclipses, CommandLineAnswerKey) {
  const std::string file = std::string(JOVI_TEST_FIXTURES) + "/light_time/io_eclipses_2027.csv";
  auto slopes = [](const std::string& out) {
    std::vector<double> found;
    for (std::size_t at = out.find("slope "); at != std::string::npos;
         at = out.find("slope ", at + 1)) {
      found.push_back(std::stod(out.substr(at + 6)));
    }
    return found;
  };
  const test::CliResult allowing = test::RunCliCommand({"lighttime", file, "1.769"});
  ASSERT_EQ(allowing.status, 0) << allowing.err;
  EXPECT_EQ(allowing.out.rfind("entering 5 events: period 1.76986", 0), 0u) << allowing.out;
  const std::vector<double> slope = slopes(allowing.out);
  ASSERT_EQ(slope.size(), 2u) << allowing.out;
  for (const double s : slope) EXPECT_NEAR(s, 499.0, 3.0) << allowing.out;

  // Without the allowance the same eclipses are far off.
  const test::CliResult plain = test::RunCliCommand({"lighttime", file, "1.769", "--plain"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  for (const double s : slopes(plain.out)) EXPECT_GT(std::fabs(s - 499.0), 50.0) << plain.out;

  const test::CliResult missing = test::RunCliCommand({"lighttime", file + ".gone", "1.769"});
  EXPECT_EQ(missing.status, 1);
  const test::CliResult no_period = test::RunCliCommand({"lighttime", file, "0"});
  EXPECT_EQ(no_period.status, 2);
}

}  // namespace
}  // namespace jovi
