#include "analysis/ui/segment_painter.h"

#include <QPolygonF>

#include <array>

namespace jovi {

namespace {

// One segment as a hexagon between two points, `t` thick.
QPolygonF Bar(QPointF from, QPointF to, qreal t) {
  const qreal h = t / 2;
  if (from.y() == to.y()) {  // horizontal
    return QPolygonF({QPointF(from.x(), from.y()), QPointF(from.x() + h, from.y() - h),
                      QPointF(to.x() - h, to.y() - h), QPointF(to.x(), to.y()),
                      QPointF(to.x() - h, to.y() + h), QPointF(from.x() + h, from.y() + h)});
  }
  return QPolygonF({QPointF(from.x(), from.y()), QPointF(from.x() + h, from.y() + h),
                    QPointF(to.x() + h, to.y() - h), QPointF(to.x(), to.y()),
                    QPointF(to.x() - h, to.y() - h), QPointF(from.x() - h, from.y() + h)});
}

void PaintCell(QPainter& painter, QPointF origin, const SegmentCell& cell, const QColor& lit,
               const QColor& dim) {
  // Corners of the digit, with a slight forward slant.
  const qreal w = kSegmentCellWidth - 7, hh = (kSegmentCellHeight - 4) / 2.0, slant = 1.5;
  const qreal x = origin.x() + 1, y = origin.y() + 2;
  const QPointF tl(x + 2 * slant, y), tr(x + w + 2 * slant, y);
  const QPointF ml(x + slant, y + hh), mr(x + w + slant, y + hh);
  const QPointF bl(x, y + 2 * hh), br(x + w, y + 2 * hh);
  const qreal t = 2.6;
  const std::array<QPolygonF, 7> bars{Bar(tl, tr, t), Bar(tr, mr, t), Bar(mr, br, t),
                                      Bar(bl, br, t), Bar(ml, bl, t), Bar(tl, ml, t),
                                      Bar(ml, mr, t)};
  painter.setPen(Qt::NoPen);
  for (std::size_t i = 0; i < bars.size(); ++i) {
    painter.setBrush((cell.Segments >> i) & 1 ? lit : dim);
    painter.drawPolygon(bars[i]);
  }
  if (cell.Point) {
    painter.setBrush(lit);
    painter.drawEllipse(QPointF(br.x() + 3.5, br.y() - 0.5), 1.6, 1.6);
  }
}

}  // namespace

void PaintReadout(QPainter& painter, const QRect& area, const std::vector<SegmentCell>& cells,
                  const QColor& lit, bool powered) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(area, QColor(10, 10, 10));
  painter.setPen(QColor(90, 90, 90));
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  painter.drawLine(area.topRight(), area.bottomRight());
  painter.setPen(QColor(30, 30, 30));
  painter.drawLine(area.topLeft(), area.topRight());
  painter.drawLine(area.topLeft(), area.bottomLeft());
  if (!powered) {
    painter.restore();
    return;
  }
  // Unlit segments glow faintly in the segment colour, as on a real display.
  const QColor dim = QColor::fromRgbF(lit.redF() * 0.12 + 0.03, lit.greenF() * 0.12 + 0.03,
                                      lit.blueF() * 0.12 + 0.03);
  const int width = static_cast<int>(cells.size()) * kSegmentCellWidth;
  const qreal left = area.right() - 3 - width;
  const qreal top = area.top() + (area.height() - kSegmentCellHeight) / 2.0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    PaintCell(painter, QPointF(left + static_cast<qreal>(i) * kSegmentCellWidth, top), cells[i],
              lit, dim);
  }
  painter.restore();
}

}  // namespace jovi
