// A two-position toggle switch: a knob in a slot, left when off and right when on. Clicking it
// or pressing the space bar throws it; every change is reported through toggled().
#pragma once

#include <QAbstractButton>

namespace jovi {

class ToggleSwitch : public QAbstractButton {
  Q_OBJECT

 public:
  explicit ToggleSwitch(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace jovi
