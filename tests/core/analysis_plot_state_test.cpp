// The analysis window's data model: the spans taken from the table, the plot's first
// width and scales, the two dialogs' checks, the sliders and the residual.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_dialogs.h"
#include "analysis/moon_plot_state.h"
#include "analysis/residual_display.h"
#include "analysis/sine_model.h"
#include "analysis/slider_rules.h"
#include "core/analysis_test_support.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::Reading;
using test::RecordingPrompter;
using test::TableOf;

TEST(AnalysisPlotState, RebuildTakesOnlyIncludedMeasuredPoints) {
  MeasurementTable table = TableOf(2, {{2455201.25_r, 1.5f},
                                       {2455202.25_r, -4.5f},
                                       {2455203.25_r, 9.0f, false},  // excluded
                                       {2455204.25_r, kNoMeasurement},
                                       {2455205.75_r, 3.0f}});
  const MoonPlotStates states = RebuildPlotStates(table);
  const MoonPlotState& s = states[1];
  EXPECT_TRUE(s.HasData);
  EXPECT_EQ(s.FirstJD, 2455201.25_r);
  EXPECT_EQ(s.LastJD, 2455205.75_r);
  EXPECT_EQ(s.PointCount, 3);
  EXPECT_EQ(s.MaxAbsOffset, 4.5_r);
  EXPECT_EQ(s.PlotDays, 0);
  for (int k : {0, 2, 3}) EXPECT_FALSE(states[static_cast<std::size_t>(k)].HasData) << k;
}

struct SpanCase {
  const char* name;
  Real span;  // days from the first to the last point; negative: a single point
  int plot_days;
  bool message;
};

TEST(AnalysisPlotState, FirstSelectionChoosesTheWidthFromTheSpan) {
  const SpanCase cases[] = {
      {"45.2 days", 45.2_r, 50, false},   {"50.1 days", 50.1_r, 50, true},
      {"exactly 50", 50.0_r, 50, false},  {"9.5 days", 9.5_r, 10, false},
      {"exactly 10", 10.0_r, 10, false},  {"10.01 days", 10.01_r, 20, false},
      {"one point", -1, 10, false},      {"all on one date", 0, 10, false},
  };
  for (const SpanCase& c : cases) {
    const Real first = 2455201.3_r;
    MeasurementTable table =
        c.span < 0 ? TableOf(1, {{first, 1}}) : TableOf(1, {{first, 1}, {first + c.span, 2}});
    MoonPlotState s = RebuildPlotStates(table)[0];
    RecordingPrompter prompter;
    InitialisePlotState(s, 1, prompter);
    EXPECT_EQ(s.PlotDays, c.plot_days) << c.name;
    EXPECT_DOUBLE_EQ(static_cast<double>(s.XScale), 550.0 / c.plot_days) << c.name;
    EXPECT_EQ(s.JDBase, 2455000) << c.name;
    EXPECT_EQ(s.PlotStart, 201) << c.name;
    ASSERT_EQ(prompter.messages.size(), c.message ? 1u : 0u) << c.name;
    if (c.message) {
      EXPECT_EQ(prompter.messages[0].caption, "Data Span > 50 Days");
      EXPECT_EQ(prompter.messages[0].text,
                "Your Data Covers More Than 50 Days, and Cannot All\r\n"
                "Be Displayed On The Same Graph.  Select \"Plot\" ->\r\n"
                "\"Data Span\" To Adjust The Display Interval.");
      EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    }
  }
}

TEST(AnalysisPlotState, OffsetScaleByMoon) {
  const float steps[] = {1.5f, 2.0f, 3.0f, 5.0f};
  for (int moon = 1; moon <= 4; ++moon) {
    MoonPlotState s;
    s.FirstJD = 2459999.9_r;
    RecordingPrompter prompter;
    InitialisePlotState(s, moon, prompter);
    EXPECT_EQ(s.YStep, steps[moon - 1]);
    EXPECT_DOUBLE_EQ(static_cast<double>(s.YScale), 250.0 / (6 * steps[moon - 1]));
    EXPECT_EQ(s.JDBase, 2459000);
    EXPECT_EQ(s.PlotStart, 999);
  }
}

TEST(AnalysisDialogs, DataSpanStartMustBeAnInteger) {
  struct Case {
    const char* text;
    bool ok;
    int start;
  } cases[] = {{"123", true, 123}, {"-5", true, -5}, {"0", true, 0}, {" 7", true, 7},
               {"", false, 0},     {"1.5", false, 0}, {"abc", false, 0}, {"12x", false, 0}};
  for (const Case& c : cases) {
    MoonPlotState s;
    s.PlotStart = 42;
    s.PlotDays = 30;
    RecordingPrompter prompter;
    EXPECT_EQ(AcceptDataSpan(c.text, 4, s, prompter), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(s.PlotStart, c.start) << c.text;
      EXPECT_EQ(s.PlotDays, 50);
      EXPECT_DOUBLE_EQ(static_cast<double>(s.XScale), 11.0);
      EXPECT_TRUE(prompter.messages.empty());
    } else {
      EXPECT_EQ(s.PlotStart, 42) << c.text;
      EXPECT_EQ(s.PlotDays, 30) << c.text;
      ASSERT_EQ(prompter.messages.size(), 1u);
      EXPECT_EQ(prompter.messages[0].text, std::string("Start date (\"") + c.text +
                                               "\") is invalid!\r\n\r\nMust be integer in range (0-999).");
      EXPECT_EQ(prompter.messages[0].caption, "Invalid Start Date!");
      EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
    }
  }
}

TEST(AnalysisDialogs, DataSpanShowsTheMoonsData) {
  MoonPlotState s;
  s.FirstJD = 2455201.25_r;
  s.LastJD = 2455232.56_r;
  s.PlotStart = 201;
  s.PlotDays = 40;
  const DataSpanTexts t = DataSpanDialogTexts(s);
  EXPECT_EQ(t.DataStart, "2455201.25000");
  EXPECT_EQ(t.DataEnd, "2455232.56000");
  EXPECT_EQ(t.DayCount, "31.3");
  EXPECT_EQ(t.Start, "201");
  EXPECT_EQ(t.DaysIndex, 3);
}

TEST(AnalysisDialogs, SineParametersAreCheckedInOrder) {
  SineParameters p;
  p.Period = 1.5_r;
  EXPECT_EQ(SineParameterDialogTexts(p).Period, "1.50000");
  EXPECT_EQ(SineParameterDialogTexts(p).TZero, "");  // not positive: empty

  struct Case {
    const char* name;
    SineParameterTexts texts;
    const char* text;  // the message, or nothing
    const char* caption;
    Real tzero, period;  // what is stored afterwards
  } cases[] = {
      {"accepted", {"2455201.3", "1.77", "2.9"}, nullptr, nullptr, 2455201.3_r, 1.77_r},
      {"one empty", {"2455201.3", "", "2.9"}, "All prameters must be filled in!",
       "Invalid Parameters", 0, 1.5_r},
      {"period not a number", {"201.3", "1,77", "2.9"},
       "Numeric Conversion Error!\r\n\r\nValue \"1,77\" is non-numeric!", "Input Error", 201.3_r,
       1.5_r},
      {"period zero", {"201.3", "0", "2.9"},
       "Value \"0\" is not a period!\r\n\r\nThe period must be greater than zero.", "Input Error",
       201.3_r, 1.5_r},
      {"infinite amplitude", {"201.3", "2", "inf"},
       "Numeric Conversion Error!\r\n\r\nValue \"inf\" is non-numeric!", "Input Error", 201.3_r,
       2},
  };
  for (const auto& c : cases) {
    SineParameters q;
    q.Period = 1.5_r;
    RecordingPrompter prompter;
    EXPECT_EQ(AcceptSineParameters(c.texts, q, prompter), c.text == nullptr) << c.name;
    EXPECT_EQ(q.TZero, c.tzero) << c.name;
    EXPECT_EQ(q.Period, c.period) << c.name;
    if (c.text) {
      ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
      EXPECT_EQ(prompter.messages[0].text, c.text);
      EXPECT_EQ(prompter.messages[0].caption, c.caption);
      EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
    } else {
      EXPECT_EQ(q.Amplitude, 2.9_r);
      EXPECT_TRUE(prompter.messages.empty());
    }
  }
}

TEST(AnalysisModel, TZeroTypedAsAFullJulianDate) {
  SineParameters p;
  p.TZero = 2455201.3_r;
  ConvertTZero(p, 2455000);
  EXPECT_NEAR(static_cast<double>(p.TZero), 201.3, 1e-9);
  EXPECT_EQ(p.TZeroBase, 2455000);
  EXPECT_NEAR(static_cast<double>(FullTZero(p, 2455000)), 2455201.3, 1e-9);
  // Below 1050 it already counts from the base.
  ConvertTZero(p, 2455000);
  EXPECT_NEAR(static_cast<double>(p.TZero), 201.3, 1e-9);
  p.TZero = 1049.5_r;
  ConvertTZero(p, 2455000);
  EXPECT_EQ(p.TZero, 1049.5_r);
}

TEST(AnalysisModel, SlidersMoveAroundTheirReferences) {
  MoonPlotState s;
  SineParameters p{2.0_r, 3.0_r, 10.0_r, 0, 0};
  SliderSet sliders;
  ResetAllSliders(sliders, s, p);

  MoveSlider(sliders, Slider::Period, 200, s, p);
  EXPECT_NEAR(static_cast<double>(p.Period), 2.4, 1e-15);
  ResetSlider(sliders, Slider::Period, s, p);  // keeps the value reached
  EXPECT_NEAR(static_cast<double>(p.Period), 2.4, 1e-15);
  EXPECT_EQ(sliders.At(Slider::Period), 0);
  EXPECT_NEAR(static_cast<double>(s.PeriodRef), 2.4, 1e-15);

  MoveSlider(sliders, Slider::Amplitude, -200, s, p);
  EXPECT_NEAR(static_cast<double>(p.Amplitude), 2.4, 1e-15);
  MoveSlider(sliders, Slider::TZero, 100, s, p);  // a tenth of the period, coarse
  EXPECT_NEAR(static_cast<double>(p.TZero), 10.24, 1e-15);
  MoveSlider(sliders, Slider::TZero, 999, s, p);  // held to the end of the bar
  EXPECT_EQ(sliders.At(Slider::TZero), 200);

  // Switching sensitivity keeps every value and recentres the bars.
  const SineParameters before = p;
  SetSensitivity(sliders, true, s, p);
  EXPECT_EQ(p.Period, before.Period);
  EXPECT_EQ(p.Amplitude, before.Amplitude);
  EXPECT_EQ(p.TZero, before.TZero);
  EXPECT_EQ(sliders.At(Slider::TZero), 0);
  EXPECT_EQ(sliders.At(Slider::Amplitude), 0);
  MoveSlider(sliders, Slider::Period, 200, s, p);  // fine: 4 %
  EXPECT_NEAR(static_cast<double>(p.Period), 2.4 * 1.04, 1e-15);
  const Real fine_period = p.Period;
  SetSensitivity(sliders, false, s, p);
  EXPECT_EQ(p.Period, fine_period);
  EXPECT_FALSE(sliders.Fine());
}

TEST(AnalysisModel, ResidualWalkEndsAfterTheWindow) {
  // JDBase 2455000, window 201..211: a flat curve against offsets of 1, so each counted
  // point adds 1 and the residual says which ones were counted.
  MoonPlotState s;
  s.JDBase = 2455000;
  s.PlotStart = 201;
  s.PlotDays = 10;
  SineParameters p{2.0_r, 1e-30_r, 0.5_r, 0, 0};
  const auto rms = [&](MeasurementTable table) {
    return static_cast<double>(ComputeRmsResidual(table, 3, s, p));
  };
  // Before the window counts; the window's end counts; past it nothing does.
  EXPECT_NEAR(rms(TableOf(3, {{2455195.0_r, 1}, {2455211.0_r, 1}, {2455212.0_r, 7}})), 1.0, 1e-12);
  // An excluded record past the end is passed over, not a stop: the walk goes on to the next
  // included one, which stops it.
  EXPECT_NEAR(rms(TableOf(3, {{2455205.0_r, 3}, {2455212.0_r, 9, false}, {2455213.0_r, 9}})), 3.0,
              1e-12);
  // Unmeasured records in the window are not counted.
  EXPECT_NEAR(rms(TableOf(3, {{2455205.0_r, 2}, {2455206.0_r, kNoMeasurement}})), 2.0, 1e-12);
  EXPECT_EQ(rms(TableOf(3, {{2455215.0_r, 2}})), 0.0);
  EXPECT_EQ(p.RmsResidual, 0.0_r);
}

TEST(AnalysisModel, ResidualOfALongTableDoesNotWrapItsCount) {
  MeasurementTable table;
  MeasurementRecord r;
  r.Offset[0] = 2;
  for (int i = 0; i < 40000; ++i) {  // more than a 16-bit count holds
    r.JulianDay = 2455201 + i * 1e-4_r;
    table.InsertOrdered(r);
  }
  MoonPlotState s;
  s.JDBase = 2455000;
  s.PlotStart = 201;
  s.PlotDays = 10;
  SineParameters p{1.0_r, 1e-30_r, 0.5_r, 0, 0};
  EXPECT_NEAR(static_cast<double>(ComputeRmsResidual(table, 1, s, p)), 2.0, 1e-9);
}

TEST(AnalysisModel, ResidualTextAndColour) {
  EXPECT_EQ(RmsDisplayText(0.12345678_r), "    1.2345678E-01  ");
  EXPECT_EQ(RmsDisplayText(0), "    0.0000000E+00  ");
  const PlotColour green{0, 128, 0}, red{255, 0, 0}, white{255, 255, 255}, silver{192, 192, 192};
  struct Case {
    Real previous, rms;
    bool mono;
    PlotColour colour;
    bool first, worse;
  } cases[] = {{0, 5, false, green, true, false}, {2, 1, false, green, false, false},
               {2, 2, false, green, false, false}, {2, 3, false, red, false, true},
               {0, 5, true, white, true, false},   {2, 3, true, silver, false, true}};
  for (const Case& c : cases) {
    Real previous = c.previous;
    const ResidualShown shown = ShowResidual(c.rms, previous, c.mono);
    EXPECT_EQ(shown.Colour, c.colour) << static_cast<double>(c.previous) << " -> "
                                      << static_cast<double>(c.rms);
    EXPECT_EQ(shown.First, c.first);
    EXPECT_EQ(shown.Worse, c.worse);
    EXPECT_EQ(previous, c.rms);
  }
}

}  // namespace
}  // namespace jovi
