#include "session/ui/telescope_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace jovi {

TelescopeView::TelescopeView(QWidget* parent)
    : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32) {
  setObjectName(QStringLiteral("Image1"));
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("Telescope field"));
  setAccessibleDescription(
      QStringLiteral("Arrow keys move the cross-hair one pixel, with Shift ten; hold Space on a "
                     "moon to read its distance from Jupiter."));
  image_.fill(Qt::black);
}

QImage& TelescopeView::Image() {
  const qreal ratio = devicePixelRatioF();
  if (image_.devicePixelRatio() != ratio) {
    image_ = QImage((QSizeF(kWidth, kHeight) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::black);
  }
  return image_;
}

void TelescopeView::ShowImage() {
  if (painting_) return;
  fresh_ = true;
  update();
}

void TelescopeView::paintEvent(QPaintEvent*) {
  painting_ = true;
  if (!fresh_ && redraw_) redraw_();
  fresh_ = false;
  painting_ = false;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), image_);
  DrawKeyboardMarks(painter);
}

// The marks are painted over the picture, never into it, and asking for them is the view's own
// paint request (ShowImage), not a redraw: the focus frame, and the keyboard's cross-hair with a gap
// at its centre so that the pixel it points at stays visible.
void TelescopeView::DrawKeyboardMarks(QPainter& painter) const {
  if (!hasFocus()) return;
  painter.setPen(QPen(QColor(0, 160, 255), 1, Qt::DotLine));
  painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
  if (!key_cross_) return;
  painter.setPen(QPen(QColor(0, 255, 0), 1));
  const int x = key_at_.x(), y = key_at_.y();
  constexpr int kGap = 3, kArm = 10;
  painter.drawLine(x - kArm, y, x - kGap, y);
  painter.drawLine(x + kGap, y, x + kArm, y);
  painter.drawLine(x, y - kArm, x, y - kGap);
  painter.drawLine(x, y + kGap, x, y + kArm);
}

void TelescopeView::keyPressEvent(QKeyEvent* event) {
  const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
  QPoint move;
  switch (event->key()) {
    case Qt::Key_Left: move = {-step, 0}; break;
    case Qt::Key_Right: move = {step, 0}; break;
    case Qt::Key_Up: move = {0, -step}; break;
    case Qt::Key_Down: move = {0, step}; break;
    case Qt::Key_Space:
      if (!event->isAutoRepeat() && !key_held_) {
        key_held_ = true;
        key_cross_ = true;
        ShowImage();
        emit pressed(key_at_);
      }
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  key_at_ = {std::clamp(key_at_.x() + move.x(), 0, kWidth - 1),
             std::clamp(key_at_.y() + move.y(), 0, kHeight - 1)};
  key_cross_ = true;
  ShowImage();
  emit moved(key_at_);
}

void TelescopeView::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (!key_held_) return;
  key_held_ = false;
  emit released(key_at_);
}

void TelescopeView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  ShowImage();
}

void TelescopeView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // Space let go elsewhere: the reading ends where the cross-hair stands.
  if (key_held_) {
    key_held_ = false;
    emit released(key_at_);
  }
  ShowImage();
}

void TelescopeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  key_at_ = {std::clamp(at.x(), 0, kWidth - 1), std::clamp(at.y(), 0, kHeight - 1)};
  key_cross_ = false;
  emit pressed(at);
}

void TelescopeView::mouseMoveEvent(QMouseEvent* event) {
  // The keyboard goes on from where the mouse left the cross-hair.
  key_at_ = event->position().toPoint();
  key_at_ = {std::clamp(key_at_.x(), 0, kWidth - 1), std::clamp(key_at_.y(), 0, kHeight - 1)};
  if (key_cross_) {
    key_cross_ = false;
    ShowImage();
  }
  emit moved(event->position().toPoint());
}

void TelescopeView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released(event->position().toPoint());
}

}  // namespace jovi
