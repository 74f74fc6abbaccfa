#include "analysis/plot_drawing.h"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>

#include "analysis/moon.h"
#include "analysis/plot_geometry.h"
#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr int kTickLength = 10;
constexpr int kCurvePoints = kPlotWidth;

void Add(PlotPicture& p, PlotShape::Kind kind, PlotInk ink, int x1, int y1, int x2, int y2) {
  PlotShape s;
  s.kind = kind;
  s.ink = ink;
  s.x1 = x1;
  s.y1 = y1;
  s.x2 = x2;
  s.y2 = y2;
  p.shapes.push_back(std::move(s));
}

void Line(PlotPicture& p, PlotInk ink, int x1, int y1, int x2, int y2) {
  Add(p, PlotShape::Kind::Line, ink, x1, y1, x2, y2);
}

void Text(PlotPicture& p, int x, int y, std::string text) {
  Add(p, PlotShape::Kind::Text, PlotInk::Text, x, y, x, y);
  p.shapes.back().text = std::move(text);
}

void ExcludedMark(PlotPicture& p, int x, int y) {
  Line(p, PlotInk::Excluded, x - 3, y - 3, x + 4, y + 4);
  Line(p, PlotInk::Excluded, x + 3, y - 3, x - 4, y + 4);
}

void Circle(PlotPicture& p, int x, int y) {
  Add(p, PlotShape::Kind::Ellipse, PlotInk::Point, x - 2, y - 2, x + 3, y + 3);
}

}  // namespace

void AddFrameAndTicks(PlotPicture& picture, const MoonPlotState& s) {
  Add(picture, PlotShape::Kind::Frame, PlotInk::Text, kPlotLeft, kPlotTop, kPlotRight, kPlotBottom);
  Line(picture, PlotInk::Text, kPlotLeft, kPlotZero, kPlotRight, kPlotZero);

  // Offset ticks a label step apart, inward from both sides (y = 66, 108, 192, 234).
  const int g = static_cast<int>(std::nearbyint(kPlotHalfHeight / 3.0));
  for (int y = kPlotZero - 2 * g; y < kPlotBottom; y += g) {
    if (y == kPlotZero) continue;
    Line(picture, PlotInk::Text, kPlotLeft, y, kPlotLeft + kTickLength, y);
    Line(picture, PlotInk::Text, kPlotRight - kTickLength, y, kPlotRight, y);
  }

  // Day ticks at the bottom, on the zero line and at the top; every tenth day a long one.
  for (int i = 1; i < s.PlotDays; ++i) {
    const int x = kPlotLeft + PixelRound(static_cast<Real>(i) * kPlotWidth / s.PlotDays);
    const int length = i % 10 == 0 ? 2 * kTickLength : kTickLength;
    Line(picture, PlotInk::Text, x, kPlotBottom - length, x, kPlotBottom);
    Line(picture, PlotInk::Text, x, kPlotZero - length / 2, x, kPlotZero + length / 2);
    Line(picture, PlotInk::Text, x, kPlotTop + length, x, kPlotTop);
  }
}

void AddLabels(PlotPicture& picture, int moon, const MoonPlotState& s) {
  static constexpr int kLabelY[7] = {15, 57, 99, 141, 183, 225, 262};
  for (int i = 0; i < 7; ++i) {
    Text(picture, 15, kLabelY[i], FixedText(static_cast<Real>(3 - i) * s.YStep, 2, 6));
  }
  const int label_step = PixelRound(10 * s.XScale);
  for (int k = 0; k <= s.PlotDays / 10; ++k) {
    Text(picture, 45 + k * label_step, 279,
         FixedText(static_cast<Real>(s.PlotStart) + 10 * k, 1, 5));
  }
  Text(picture, 65, 2, std::string(MoonTitle(moon)) + " - Measured Offset in Jupiter Diameters");
  Text(picture, 245, 298, "Julian Date (minus " + std::to_string(s.JDBase) + ")");
}

void AddPoints(PlotPicture& picture, int moon, const MoonPlotState& s,
               const MeasurementTable& table, bool connect) {
  if (!IsMoon(moon)) return;
  const auto k = static_cast<std::size_t>(moon - 1);
  PlotShape line;
  line.kind = PlotShape::Kind::Polyline;
  line.ink = PlotInk::Point;
  table.ForEach([&](const MeasurementRecord& r) {
    if (r.Offset[k] >= kNoMeasurement) return;
    const int x = DateToX(s, r.JulianDay);
    if (x < kPlotLeft || x > kPlotRight) return;
    const int y = OffsetToY(s, r.Offset[k]);
    if (!r.Included[k]) {
      ExcludedMark(picture, x, y);
    } else if (connect) {
      line.points.push_back(x);
      line.points.push_back(y);
    } else {
      Circle(picture, x, y);
    }
  });
  if (line.points.size() >= 4) picture.shapes.push_back(std::move(line));
}

void AddSineCurve(PlotPicture& picture, const MoonPlotState& s, const SineParameters& p) {
  if (p.Period == 0 || s.XScale <= 0) return;
  PlotShape curve;
  curve.kind = PlotShape::Kind::Polyline;
  curve.ink = PlotInk::Curve;
  curve.points.reserve(2 * kCurvePoints);
  for (int i = 1; i <= kCurvePoints; ++i) {
    const Real t = i / s.XScale + s.PlotStart - p.TZero;
    const Real y = p.Amplitude * s.YScale *
                          std::sin(2 * std::numbers::pi_v<Real> * t / p.Period);
    curve.points.push_back(kPlotLeft + i);
    curve.points.push_back(kPlotZero - PixelRound(y));
  }
  picture.shapes.push_back(std::move(curve));
}

bool AddCrossHair(PlotPicture& picture, int x, int y) {
  if (!InsidePlotArea(x, y)) return false;
  Line(picture, PlotInk::CrossHair, x - 4, y, x + 5, y);
  Line(picture, PlotInk::CrossHair, x, y - 4, x, y + 5);
  return true;
}

PlotPicture BuildPlotPicture(const PlotView& view) {
  PlotPicture picture;
  if (!IsMoon(view.Moon) || !view.State || !view.Table) {
    Text(picture, 30, 20, "Select Moon from Menu");
    return picture;
  }
  const MoonPlotState& s = *view.State;
  AddFrameAndTicks(picture, s);
  AddLabels(picture, view.Moon, s);
  AddPoints(picture, view.Moon, s, *view.Table, view.ConnectPoints);
  if (view.ShowCurve && view.Sine) AddSineCurve(picture, s, *view.Sine);
  AddCrossHair(picture, view.CrossX, view.CrossY);
  return picture;
}

}  // namespace jovi
