#include "session/ui/top_view_painter.h"

#include <QPainter>

namespace jovi {

namespace {

QColor ToColour(const Rgb& c) { return QColor(c.r, c.g, c.b); }

// The square from (left, top) to (right, bottom), its right and bottom edges outside, as a
// canvas draws an ellipse in a box.
QRect BoxRect(const ViewBox& box) {
  return QRect(QPoint(box.Left, box.Top), QPoint(box.Right - 1, box.Bottom - 1));
}

QPoint ToPoint(const ViewPoint& p) { return QPoint(p.X, p.Y); }

void PaintMoon(QPainter& painter, const TopViewMoon& moon) {
  const QColor colour = ToColour(moon.Colour);
  painter.setPen(colour);
  painter.setBrush(colour);
  const int x = moon.At.X, y = moon.At.Y, s = moon.Glyph.Size;
  switch (moon.Glyph.Mark) {
    case TopViewMark::Dot:
      painter.drawEllipse(QRect(QPoint(x - s, y - s), QPoint(x + s - 1, y + s - 1)));
      break;
    case TopViewMark::Plus:
      painter.drawLine(x - 3, y, x + 3, y);
      painter.drawLine(x, y - 3, x, y + 3);
      break;
    case TopViewMark::Nothing:
      break;
  }
}

}  // namespace

void PaintTopView(QImage& image, const TopViewPlan& plan, const QImage& arrow,
                  const std::optional<ViewBox>& mark) {
  const QSize size(plan.Layout.Width, plan.Layout.Height);
  if (image.size() != size || image.format() != QImage::Format_RGB32) {
    image = QImage(size, QImage::Format_RGB32);
  }
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);

  if (plan.ShowOrbits) {
    painter.setPen(ToColour(kTopViewOrbitColour));
    painter.setBrush(Qt::black);
    for (std::size_t i = 4; i >= 1; --i) painter.drawEllipse(BoxRect(plan.Boxes[i]));
  }

  if (!arrow.isNull()) painter.drawImage(ToPoint(plan.Arrow.Icon), arrow);
  painter.setPen(ToColour(kTopViewTextColour));
  painter.drawText(QRect(ToPoint(plan.Arrow.Text), QSize(120, 20)), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromLatin1(kToEarthText));

  if (plan.ZoneLines) {
    painter.setPen(ToColour(kTopViewZoneColour));
    for (const ViewLine& line : *plan.ZoneLines) {
      painter.drawLine(ToPoint(line.From), ToPoint(line.To));
    }
  }

  const QColor jupiter = ToColour(kMoonColour);
  painter.setPen(jupiter);
  painter.setBrush(jupiter);
  painter.drawEllipse(BoxRect(plan.Boxes[0]));
  for (const TopViewMoon& moon : plan.Moons) PaintMoon(painter, moon);

  if (mark) {
    painter.setPen(ToColour(kTopViewTextColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(BoxRect(*mark));
  }
}

}  // namespace jovi
