#include "analysis/ui/seven_segment_readout.h"

#include <QPainter>

#include "analysis/ui/segment_painter.h"
#include "util/real.h"

namespace jovi {

SevenSegmentReadout::SevenSegmentReadout(const ReadoutFormat& format, QWidget* parent)
    : QWidget(parent), format_(format) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SevenSegmentReadout::SetValue(Real value) {
  if (value == value_) return;
  value_ = value;
  update();
}

void SevenSegmentReadout::SetOn(bool on) {
  if (on == on_) return;
  on_ = on;
  update();
}

void SevenSegmentReadout::SetSegmentColour(const QColor& colour) {
  colour_ = colour;
  update();
}

QSize SevenSegmentReadout::sizeHint() const {
  const int cells = format_.Digits + (format_.SignCell ? 1 : 0);
  return {cells * kSegmentCellWidth + 8, kSegmentCellHeight + 8};
}

void SevenSegmentReadout::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintReadout(painter, rect(), ReadoutCells(value_, format_, on_), colour_, on_);
}

}  // namespace jovi
