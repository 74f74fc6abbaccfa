// Image1: the telescope field. It shows the last painted frame; any paint request it did not
// ask for itself (the window uncovered or restored) asks for a whole new redraw first.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace jovi {

class TelescopeView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 630;
  static constexpr int kHeight = 326;

  explicit TelescopeView(QWidget* parent = nullptr);

  // Run by a paint request that no direct redraw prepared.
  void SetRedrawRequest(std::function<void()> redraw) { redraw_ = std::move(redraw); }
  // The image to show. Outside a paint request a repaint is queued for it.
  QImage& Image() { return image_; }
  void ShowImage();

 signals:
  void pressed(QPoint at);
  void moved(QPoint at);
  void released(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  std::function<void()> redraw_;
  bool fresh_ = false;
  bool painting_ = false;
};

}  // namespace jovi
