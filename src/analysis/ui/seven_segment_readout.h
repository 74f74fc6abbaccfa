// A seven-segment numeric read-out: dark digit cells on a black face, lit in one colour.
#pragma once

#include <QColor>
#include <QWidget>

#include "analysis/seven_segment.h"
#include "util/real.h"

namespace jovi {

class SevenSegmentReadout : public QWidget {
  Q_OBJECT

 public:
  explicit SevenSegmentReadout(const ReadoutFormat& format, QWidget* parent = nullptr);

  void SetValue(Real value);
  Real Value() const { return value_; }
  // Switched off, every cell is dark.
  void SetOn(bool on);
  bool IsOn() const { return on_; }
  void SetSegmentColour(const QColor& colour);
  const QColor& SegmentColour() const { return colour_; }
  const ReadoutFormat& Format() const { return format_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ReadoutFormat format_;
  Real value_ = 0;
  bool on_ = false;
  QColor colour_{0, 128, 0};
};

}  // namespace jovi
