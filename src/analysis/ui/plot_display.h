// Display1: the plot panel at the top of the analysis window. It paints the picture it is
// given and passes the mouse on in plot pixels.
#pragma once

#include <QWidget>

#include "analysis/plot_picture.h"

namespace jovi {

class PlotDisplay : public QWidget {
  Q_OBJECT

 public:
  explicit PlotDisplay(QWidget* parent = nullptr);

  void SetPicture(PlotPicture picture, bool monochrome);
  // The picture as painted, for saving and for tests.
  QImage Render() const;

 signals:
  void Pressed(int x, int y);
  void Moved(int x, int y);
  void Released(int x, int y);
  void DoubleClicked(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  PlotPicture picture_;
  bool monochrome_ = false;
};

}  // namespace jovi
