// The plot's numbers: ticks, labels, which points are drawn and where, the connecting line,
// the curve and the cross-hair; and the double-click on a point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/plot_drawing.h"
#include "analysis/plot_geometry.h"
#include "analysis/point_hit_test.h"
#include "core/analysis_test_support.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::RecordingPrompter;
using test::TableOf;
using Kind = PlotShape::Kind;

MoonPlotState PlotOf(int days) {
  MoonPlotState s;
  s.JDBase = 2455000;
  s.PlotStart = 200;
  s.PlotDays = days;
  s.XScale = 550.0_r / days;
  s.YStep = 2.0f;
  s.YScale = 250.0_r / 12;
  return s;
}

std::vector<const PlotShape*> Shapes(const PlotPicture& p, Kind kind, PlotInk ink) {
  std::vector<const PlotShape*> found;
  for (const PlotShape& s : p.shapes) {
    if (s.kind == kind && s.ink == ink) found.push_back(&s);
  }
  return found;
}

std::vector<std::string> Texts(const PlotPicture& p) {
  std::vector<std::string> texts;
  for (const PlotShape& s : p.shapes) {
    if (s.kind == Kind::Text) texts.push_back(s.text);
  }
  return texts;
}

// x of the bottom day ticks, and which of them are long (20 pixels).
struct DayTicks {
  std::vector<int> all, long_ones;
};

DayTicks BottomTicks(const PlotPicture& p) {
  DayTicks t;
  for (const PlotShape* s : Shapes(p, Kind::Line, PlotInk::Text)) {
    if (s->x1 != s->x2 || s->y2 != kPlotBottom) continue;
    t.all.push_back(s->x1);
    if (s->y1 == kPlotBottom - 20) t.long_ones.push_back(s->x1);
  }
  return t;
}

TEST(AnalysisPlot, FrameTicksAndLabelsByWidth) {
  for (int days : {10, 50}) {
    PlotPicture p;
    const MoonPlotState s = PlotOf(days);
    AddFrameAndTicks(p, s);
    AddLabels(p, 2, s);
    const DayTicks ticks = BottomTicks(p);
    EXPECT_EQ(ticks.all.size(), static_cast<std::size_t>(days - 1)) << days;
    const std::vector<std::string> texts = Texts(p);
    const std::vector<std::string> offset_labels(texts.begin(), texts.begin() + 7);
    EXPECT_EQ(offset_labels, (std::vector<std::string>{"  6.00", "  4.00", "  2.00", "  0.00",
                                                       " -2.00", " -4.00", " -6.00"}));
    if (days == 10) {
      EXPECT_TRUE(ticks.long_ones.empty());
      EXPECT_EQ(ticks.all.front(), 120);
      EXPECT_EQ(std::vector<std::string>(texts.begin() + 7, texts.end() - 2),
                (std::vector<std::string>{"200.0", "210.0"}));
    } else {
      EXPECT_EQ(ticks.long_ones, (std::vector<int>{175, 285, 395, 505}));
      EXPECT_EQ(std::vector<std::string>(texts.begin() + 7, texts.end() - 2),
                (std::vector<std::string>{"200.0", "210.0", "220.0", "230.0", "240.0", "250.0"}));
    }
    EXPECT_EQ(texts[texts.size() - 2], "EUROPA (II) - Measured Offset in Jupiter Diameters");
    EXPECT_EQ(texts.back(), "Julian Date (minus 2455000)");
  }
  // The offset ticks, a label step apart on both sides, none on the zero line.
  PlotPicture p;
  AddFrameAndTicks(p, PlotOf(10));
  std::vector<int> left;
  for (const PlotShape* s : Shapes(p, Kind::Line, PlotInk::Text)) {
    if (s->y1 == s->y2 && s->x1 == kPlotLeft && s->x2 == kPlotLeft + 10) left.push_back(s->y1);
  }
  EXPECT_EQ(left, (std::vector<int>{66, 108, 192, 234}));
}

TEST(AnalysisPlot, PointsOnTheEdgesAreDrawnAndOnePixelBeyondAreNot) {
  const MoonPlotState s = PlotOf(10);  // 55 pixels a day
  const Real pixel = 1 / s.XScale;
  MeasurementTable table = TableOf(1, {{2455200.0_r - pixel, 1},
                                       {2455200.0_r, 2},
                                       {2455205.0_r, 10, false},
                                       {2455210.0_r, -2},
                                       {2455210.0_r + pixel, 1}});
  PlotPicture p;
  AddPoints(p, 1, s, table, false);
  const auto circles = Shapes(p, Kind::Ellipse, PlotInk::Point);
  ASSERT_EQ(circles.size(), 2u);
  // The circle's box runs from 2 pixels before the point to 3 after.
  EXPECT_EQ(circles[0]->x1, 63);
  EXPECT_EQ(circles[0]->y1, 150 - 42 - 2);
  EXPECT_EQ(circles[0]->x2, 68);
  EXPECT_EQ(circles[1]->x1, 613);
  EXPECT_EQ(circles[1]->y1, 150 + 42 - 2);
  // The excluded point is an X at x 340, above the frame (offset 10 of a 6-diameter axis).
  const auto marks = Shapes(p, Kind::Line, PlotInk::Excluded);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0]->x1, 337);
  EXPECT_EQ(marks[0]->y1, 150 - 208 - 3);
  EXPECT_EQ(marks[1]->x2, 336);
}

TEST(AnalysisPlot, ConnectedLineStartsAtTheFirstIncludedPoint) {
  const MoonPlotState s = PlotOf(10);
  MeasurementTable table = TableOf(1, {{2455201.0_r, 1, false},
                                       {2455202.0_r, 2},
                                       {2455203.0_r, -1, false},
                                       {2455204.0_r, 0}});
  PlotPicture p;
  AddPoints(p, 1, s, table, true);
  EXPECT_EQ(Shapes(p, Kind::Line, PlotInk::Excluded).size(), 4u);  // both Xs
  EXPECT_TRUE(Shapes(p, Kind::Ellipse, PlotInk::Point).empty());
  const auto lines = Shapes(p, Kind::Polyline, PlotInk::Point);
  ASSERT_EQ(lines.size(), 1u);
  // From the second record straight to the fourth: the excluded third does not break it.
  EXPECT_EQ(lines[0]->points, (std::vector<int>{175, 108, 285, 150}));
}

TEST(AnalysisPlot, CurveHas550PointsFromTheModel) {
  const MoonPlotState s = PlotOf(10);
  SineParameters p{4.0_r, 3.0_r, 201.0_r, 0, 2455000};
  PlotPicture picture;
  AddSineCurve(picture, s, p);
  const auto curves = Shapes(picture, Kind::Polyline, PlotInk::Curve);
  ASSERT_EQ(curves.size(), 1u);
  const std::vector<int>& pts = curves[0]->points;
  ASSERT_EQ(pts.size(), 1100u);
  EXPECT_EQ(pts[0], 66);
  EXPECT_EQ(pts[pts.size() - 2], 615);
  // Day 202 (i = 110) is a quarter period after T-zero: the crest, 3 × 250/12 = 62.5 up.
  EXPECT_EQ(pts[2 * 109], 175);
  EXPECT_EQ(pts[2 * 109 + 1], 150 - 62);  // 62.5 rounds to even
  // Day 201 (i = 55) is the ascending zero crossing.
  EXPECT_EQ(pts[2 * 54 + 1], 150);
}

TEST(AnalysisPlot, CrossHairOnlyInsideThePlotArea) {
  struct Case {
    int x, y;
    bool drawn;
  } cases[] = {{66, 26, true}, {614, 274, true}, {65, 100, false},
               {615, 100, false}, {300, 25, false}, {300, 275, false}};
  for (const Case& c : cases) {
    PlotPicture p;
    EXPECT_EQ(AddCrossHair(p, c.x, c.y), c.drawn) << c.x << "," << c.y;
    if (!c.drawn) continue;
    const auto lines = Shapes(p, Kind::Line, PlotInk::CrossHair);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->x1, c.x - 4);
    EXPECT_EQ(lines[0]->x2, c.x + 5);
    EXPECT_EQ(lines[1]->y1, c.y - 4);
    EXPECT_EQ(lines[1]->y2, c.y + 5);
  }
}

TEST(AnalysisPlot, NoMoonShowsThePrompt) {
  const PlotPicture p = BuildPlotPicture(PlotView{});
  ASSERT_EQ(p.shapes.size(), 1u);
  EXPECT_EQ(p.shapes[0].text, "Select Moon from Menu");
  EXPECT_EQ(p.shapes[0].x1, 30);
  EXPECT_EQ(p.shapes[0].y1, 20);
}

TEST(AnalysisPlot, PixelsOfAbsurdValuesStayFinite) {
  const MoonPlotState s = PlotOf(10);
  EXPECT_EQ(OffsetToY(s, 1e30_r), 150 - 100000);
  EXPECT_EQ(PixelRound(std::numeric_limits<Real>::quiet_NaN()), 100000);
  SineParameters p{1e-300_r, 1e300_r, 0.5_r, 0, 0};
  PlotPicture picture;
  AddSineCurve(picture, s, p);  // must not overflow on the way to pixels
  EXPECT_EQ(picture.shapes.size(), 1u);
}

TEST(AnalysisHitTest, DoubleClickOnAPointAsksAndFlips) {
  const MoonPlotState s = PlotOf(10);
  // Points at (175, 108) and (285, 233); the second excluded and east of Jupiter.
  struct Case {
    const char* name;
    int x, y;
    Answer answer;
    const char* text;  // nothing: no question
    const char* caption;
    bool first_included, second_included;  // afterwards
  } cases[] = {
      {"near the first, Yes", 178, 106, Answer::Yes,
       "JD: 2455202.00000\r\nValue: 2.0W\r\n\r\nRemove the point from the residual calculation?",
       "Remove Selected Point?", false, false},
      {"on the first, No", 175, 108, Answer::No,
       "JD: 2455202.00000\r\nValue: 2.0W\r\n\r\nRemove the point from the residual calculation?",
       "Remove Selected Point?", true, false},
      {"the excluded one, Yes", 285, 233, Answer::Yes,
       "JD: 2455204.00000\r\nValue: 4.0E\r\n\r\nRestore the point to the residual calculation?",
       "Restore Selected Point?", true, true},
      {"five pixels off in x", 180, 108, Answer::Yes, nullptr, nullptr, true, false},
      {"four pixels off in y", 175, 112, Answer::Yes, "", "Remove Selected Point?", false, false},
      {"on the frame line", 65, 108, Answer::Yes, nullptr, nullptr, true, false},
  };
  for (const auto& c : cases) {
    MeasurementTable table = TableOf(3, {{2455202.0_r, 2}, {2455204.0_r, -4.0f, false}});
    RecordingPrompter prompter;
    prompter.answers.push_back(c.answer);
    TogglePointAt(table, 3, s, c.x, c.y, prompter);
    if (!c.text) {
      EXPECT_TRUE(prompter.messages.empty()) << c.name;
    } else {
      ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
      if (*c.text) {
        EXPECT_EQ(prompter.messages[0].text, c.text) << c.name;
      }
      EXPECT_EQ(prompter.messages[0].caption, c.caption) << c.name;
      EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
      EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
    }
    table.Reset();
    EXPECT_EQ(table.Next()->Included[2], c.first_included) << c.name;
    EXPECT_EQ(table.Next()->Included[2], c.second_included) << c.name;
  }
}

}  // namespace
}  // namespace jovi
