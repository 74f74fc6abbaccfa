#include "analysis/ui/plot_painter.h"

#include <QPolygon>

#include "util/ui/qt_text.h"

namespace jovi {

namespace {

int Towards(int from, int to) { return to > from ? to - 1 : to < from ? to + 1 : to; }

}  // namespace

QFont PlotFont(const QFont& window_font) {
  QFont font = window_font;
  font.setPointSize(10);
  font.setBold(true);
  return font;
}

void PaintPlotPicture(QPainter& painter, const QSize& size, const PlotPicture& picture,
                      bool monochrome, const QFont& font) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor background = ToQColor(InkColour(PlotInk::Background, monochrome));
  painter.fillRect(QRect(QPoint(0, 0), size), background);
  painter.setFont(font);
  for (const PlotShape& s : picture.shapes) {
    painter.setPen(QPen(ToQColor(InkColour(s.ink, monochrome)), 0));
    painter.setBrush(Qt::NoBrush);
    switch (s.kind) {
      case PlotShape::Kind::Line:
        // The end pixel is left out, as the layout counts it.
        painter.drawLine(s.x1, s.y1, Towards(s.x1, s.x2), Towards(s.y1, s.y2));
        break;
      case PlotShape::Kind::Frame:
        painter.drawRect(s.x1, s.y1, s.x2 - s.x1 - 1, s.y2 - s.y1 - 1);
        break;
      case PlotShape::Kind::Ellipse:
        painter.setBrush(background);
        painter.drawEllipse(s.x1, s.y1, s.x2 - s.x1 - 1, s.y2 - s.y1 - 1);
        break;
      case PlotShape::Kind::Text:
        painter.drawText(QRect(s.x1, s.y1, size.width(), size.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, ToQt(s.text));
        break;
      case PlotShape::Kind::Polyline: {
        QPolygon line;
        for (std::size_t i = 0; i + 1 < s.points.size(); i += 2)
          line << QPoint(s.points[i], s.points[i + 1]);
        painter.drawPolyline(line);
        break;
      }
    }
  }
  painter.restore();
}

}  // namespace jovi
