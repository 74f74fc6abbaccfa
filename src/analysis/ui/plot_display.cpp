#include "analysis/ui/plot_display.h"

#include <QMouseEvent>
#include <QPainter>

#include "analysis/plot_geometry.h"
#include "analysis/ui/plot_painter.h"

namespace jovi {

PlotDisplay::PlotDisplay(QWidget* parent) : QWidget(parent) {
  setFixedSize(kPlotImageWidth, kPlotImageHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
  setMouseTracking(true);
}

void PlotDisplay::SetPicture(PlotPicture picture, bool monochrome) {
  picture_ = std::move(picture);
  monochrome_ = monochrome;
  update();
}

QImage PlotDisplay::Render() const {
  QImage image(size(), QImage::Format_RGB32);
  QPainter painter(&image);
  PaintPlotPicture(painter, size(), picture_, monochrome_, PlotFont(font()));
  return image;
}

void PlotDisplay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPlotPicture(painter, size(), picture_, monochrome_, PlotFont(font()));
}

void PlotDisplay::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit Pressed(event->position().toPoint().x(), event->position().toPoint().y());
  }
}

void PlotDisplay::mouseMoveEvent(QMouseEvent* event) {
  emit Moved(event->position().toPoint().x(), event->position().toPoint().y());
}

void PlotDisplay::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit Released(event->position().toPoint().x(), event->position().toPoint().y());
  }
}

void PlotDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit DoubleClicked(event->position().toPoint().x(), event->position().toPoint().y());
  }
}

}  // namespace jovi
