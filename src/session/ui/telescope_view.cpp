#include "session/ui/telescope_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace jovi {

TelescopeView::TelescopeView(QWidget* parent)
    : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32) {
  setObjectName(QStringLiteral("Image1"));
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_.fill(Qt::black);
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
}

void TelescopeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
}

void TelescopeView::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().toPoint()); }

void TelescopeView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released(event->position().toPoint());
}

}  // namespace jovi
