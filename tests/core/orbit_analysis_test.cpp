// The analysis window's decisions end to end: showing over a changed table, selecting a moon,
// typing the starting values, the sliders and toggle, the mouse, and the frame it paints.
#include <gtest/gtest.h>

#include "analysis/orbit_analysis.h"
#include "core/analysis_test_support.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::RecordingPrompter;
using test::TableOf;

class OrbitAnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table = TableOf(1, {{2455201.5_r, 1.0f}, {2455203.5_r, -2.0f}, {2455207.25_r, 2.5f}});
    bool changed = true;
    analysis.Show(table, changed, options);
    EXPECT_FALSE(changed);
  }
  void TypeParameters(const char* tzero) {
    analysis.BeginInitialParameters();
    ASSERT_TRUE(analysis.AcceptInitialParameters({tzero, "1.77", "2.9"}));
  }

  MeasurementTable table;
  OptsRec options;
  RecordingPrompter prompter;
  OrbitAnalysis analysis{prompter};
};

TEST_F(OrbitAnalysisTest, ShowEnablesTheMoonsWithData) {
  const AnalysisMenu& m = analysis.Menu();
  EXPECT_EQ(m.MoonEnabled, (std::array<bool, 4>{true, false, false, false}));
  EXPECT_FALSE(m.PlotEnabled);
  EXPECT_TRUE(m.HelpEnabled);
  analysis.SelectMoon(2);  // no data: nothing happens
  EXPECT_EQ(analysis.SelectedMoon(), 0);
  const AnalysisFrame f = analysis.Frame();
  ASSERT_EQ(f.Plot.shapes.size(), 1u);
  EXPECT_EQ(f.Plot.shapes[0].text, "Select Moon from Menu");
}

TEST_F(OrbitAnalysisTest, TypedFullJulianDateShowsTheCurve) {
  analysis.SelectMoon(1);
  EXPECT_TRUE(analysis.Menu().PlotEnabled);
  EXPECT_TRUE(analysis.Menu().SaveImageEnabled);
  EXPECT_FALSE(analysis.Menu().ShowCurveEnabled);
  EXPECT_EQ(analysis.PlotState(1).PlotDays, 10);
  TypeParameters("2455201.3");
  EXPECT_TRUE(analysis.Menu().ShowCurveChecked);
  EXPECT_TRUE(analysis.Menu().SummaryEnabled);
  const AnalysisFrame f = analysis.Frame();
  EXPECT_NEAR(static_cast<double>(analysis.Sine(1).TZero), 201.3, 1e-9);
  EXPECT_EQ(analysis.Sine(1).TZeroBase, 2455000);
  EXPECT_TRUE(f.TZero.On);
  EXPECT_NEAR(static_cast<double>(f.TZero.Value), 2455201.3, 1e-9);
  EXPECT_EQ(f.Period.Value, 1.77_r);
  EXPECT_TRUE(f.ToggleEnabled);
  EXPECT_FALSE(f.RmsText.empty());
  EXPECT_EQ(f.RmsColour, (PlotColour{0, 128, 0}));
  EXPECT_GT(analysis.Sine(1).RmsResidual, 0);
}

TEST_F(OrbitAnalysisTest, SliderResetKeepsTheValueAndToggleChangesNothing) {
  analysis.SelectMoon(1);
  TypeParameters("201.3");
  analysis.MoveSlider(Slider::Period, 200);
  EXPECT_NEAR(static_cast<double>(analysis.Sine(1).Period), 1.2 * 1.77, 1e-15);
  analysis.ResetSlider(Slider::Period);
  EXPECT_EQ(analysis.Sliders().At(Slider::Period), 0);
  EXPECT_NEAR(static_cast<double>(analysis.Sine(1).Period), 1.2 * 1.77, 1e-15);
  analysis.MoveSlider(Slider::Amplitude, 50);
  const SineParameters before = analysis.Sine(1);
  analysis.SetFine(true);
  analysis.SetFine(false);
  EXPECT_EQ(analysis.Sine(1).Amplitude, before.Amplitude);
  EXPECT_EQ(analysis.Sine(1).Period, before.Period);
  EXPECT_EQ(analysis.Sine(1).TZero, before.TZero);
  // Of two T-zeros, going from the better to the worse turns the residual red, and back green.
  const auto rms_at = [this](int position) {
    analysis.MoveSlider(Slider::TZero, position);
    analysis.Frame();
    return analysis.Sine(1).RmsResidual;
  };
  const int better = rms_at(200) < rms_at(-200) ? 200 : -200;
  rms_at(better);
  analysis.MoveSlider(Slider::TZero, -better);
  const AnalysisFrame worse = analysis.Frame();
  EXPECT_EQ(worse.RmsColour, (PlotColour{255, 0, 0}));
  EXPECT_TRUE(worse.RmsWorse);
  analysis.MoveSlider(Slider::TZero, better);
  const AnalysisFrame better_frame = analysis.Frame();
  EXPECT_EQ(better_frame.RmsColour, (PlotColour{0, 128, 0}));
  EXPECT_FALSE(better_frame.RmsWorse);
}

TEST_F(OrbitAnalysisTest, MouseMovesTheCrossHairAndDoubleClickClearsIt) {
  analysis.SelectMoon(1);
  analysis.MouseMove(200, 100);  // not dragging: nothing
  EXPECT_EQ(analysis.CrossX(), 0);
  analysis.MousePress(120, 100);
  analysis.MouseMove(175, 129);
  analysis.MouseRelease(175, 129);
  analysis.MouseMove(300, 200);  // released: stays
  const AnalysisFrame f = analysis.Frame();
  EXPECT_TRUE(f.CrossX.On);
  EXPECT_NEAR(static_cast<double>(f.CrossX.Value), 203.0, 1e-12);  // 55 pixels a day from 201
  EXPECT_NEAR(static_cast<double>(f.CrossY.Value), 21 / (250.0 / 9), 1e-12);
  // Io's -2 at day 203.5 stands at (65 + round(137.5), 150 + round(55.6)) = (203, 206).
  prompter.answers.push_back(Answer::Yes);
  EXPECT_TRUE(analysis.DoubleClick(203, 206));
  table.Reset();
  table.Next();
  EXPECT_FALSE(table.Next()->Included[0]);
  analysis.MouseMove(176, 206);
  EXPECT_EQ(analysis.CrossX(), 0);
  EXPECT_FALSE(analysis.Frame().CrossX.On);
}

TEST_F(OrbitAnalysisTest, ResetAfterALoadForgetsTheMoonButNotTheParameters) {
  analysis.SelectMoon(1);
  TypeParameters("201.3");
  analysis.SetConnectPoints(true);
  analysis.Reset();
  const AnalysisMenu& m = analysis.Menu();
  EXPECT_EQ(analysis.SelectedMoon(), 0);
  EXPECT_EQ(m.MoonChecked, (std::array<bool, 4>{}));
  EXPECT_FALSE(m.PlotEnabled);
  EXPECT_TRUE(m.ShowPoints);
  EXPECT_FALSE(m.ConnectPoints);
  EXPECT_FALSE(analysis.Sliders().Fine());
  EXPECT_EQ(analysis.Sine(1).Period, 1.77_r);
  // Selecting the moon again offers its curve at once.
  analysis.SelectMoon(1);
  EXPECT_TRUE(analysis.Menu().ShowCurveEnabled);
  EXPECT_FALSE(analysis.Menu().ShowCurveChecked);
}

TEST_F(OrbitAnalysisTest, DataSpanOfTheSelectedMoon) {
  analysis.SelectMoon(1);
  EXPECT_EQ(analysis.DataSpanDialog().DataStart, "2455201.50000");
  EXPECT_TRUE(analysis.AcceptDataSpan("195", 1));
  EXPECT_EQ(analysis.PlotState(1).PlotStart, 195);
  EXPECT_EQ(analysis.PlotState(1).PlotDays, 20);
  // A later selection keeps the chosen span, also with a start of 0.
  EXPECT_TRUE(analysis.AcceptDataSpan("0", 2));
  analysis.SelectMoon(1);
  EXPECT_EQ(analysis.PlotState(1).PlotStart, 0);
  EXPECT_EQ(analysis.PlotState(1).PlotDays, 30);
}

TEST_F(OrbitAnalysisTest, AChangedTableKeepsTheSelectedMoonDrawable) {
  analysis.SelectMoon(1);
  MeasurementRecord later;
  later.JulianDay = 2455225.5_r;
  later.Offset[0] = 1.5f;
  table.InsertOrdered(later);
  bool changed = true;
  analysis.Show(table, changed, options);
  EXPECT_EQ(analysis.SelectedMoon(), 1);
  EXPECT_EQ(analysis.PlotState(1).PlotDays, 30);  // 24 days of data now
  EXPECT_GT(analysis.PlotState(1).XScale, 0);
  // A table without Io's data leaves no moon selected.
  MeasurementTable others = TableOf(2, {{2455201.5_r, 1.0f}});
  changed = true;
  analysis.Show(others, changed, options);
  EXPECT_EQ(analysis.SelectedMoon(), 0);
  EXPECT_EQ(analysis.Frame().Plot.shapes.size(), 1u);
}

}  // namespace
}  // namespace jovi
