#include "analysis/ui/toggle_switch.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace jovi {

ToggleSwitch::ToggleSwitch(QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
}

QSize ToggleSwitch::sizeHint() const { return {52, 24}; }

void ToggleSwitch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  const bool live = isEnabled();
  const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

  // The mounting plate.
  QLinearGradient metal(plate.topLeft(), plate.bottomLeft());
  metal.setColorAt(0, live ? QColor(200, 200, 205) : QColor(170, 170, 170));
  metal.setColorAt(1, live ? QColor(120, 120, 130) : QColor(140, 140, 140));
  p.setPen(QColor(60, 60, 60));
  p.setBrush(metal);
  p.drawRoundedRect(plate, 5, 5);

  // The slot the knob runs in, lit along its length when the switch is on.
  const QRectF slot = plate.adjusted(7, plate.height() / 2 - 4, -7, -(plate.height() / 2 - 4));
  p.setPen(QColor(20, 20, 20));
  p.setBrush(live && isChecked() ? QColor(0, 110, 0) : QColor(35, 35, 40));
  p.drawRoundedRect(slot, 4, 4);

  // The knob.
  const qreal r = plate.height() / 2 - 2.5;
  const qreal cx = isChecked() ? plate.right() - r - 3 : plate.left() + r + 3;
  const QPointF centre(cx, plate.center().y());
  QRadialGradient chrome(centre - QPointF(r / 3, r / 3), r * 1.4);
  chrome.setColorAt(0, live ? QColor(255, 255, 255) : QColor(215, 215, 215));
  chrome.setColorAt(1, live ? QColor(110, 110, 120) : QColor(150, 150, 150));
  p.setPen(QColor(50, 50, 50));
  p.setBrush(chrome);
  p.drawEllipse(centre, r, r);
  // Grip lines across the knob.
  p.setPen(QColor(90, 90, 90, live ? 200 : 90));
  for (int i = -1; i <= 1; ++i) {
    p.drawLine(QPointF(cx + 3 * i, centre.y() - r / 2), QPointF(cx + 3 * i, centre.y() + r / 2));
  }
  if (hasFocus()) {
    p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
  }
}

}  // namespace jovi
