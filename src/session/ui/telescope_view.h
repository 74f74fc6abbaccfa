// Image1: the telescope field. It shows the last painted frame; any paint request it did not
// ask for itself (the window uncovered or restored) asks for a whole new redraw first.
//
// It measures with the keyboard as with the mouse: once focused (Tab reaches it, and a frame
// shows it), the arrow keys move a drawn cross-hair one pixel (with Shift ten) and Space held
// down is the left button held down there, so the same pressed, moved and released signals
// carry the same pixel positions.
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
  // The image to show, kWidth x kHeight in logical pixels and as many device pixels as the
  // screen has for them (2x at double scaling), so that painting at the same logical positions
  // comes out finer. Outside a paint request a repaint is queued for it.
  QImage& Image();
  void ShowImage();

  // Where the keyboard's cross-hair stands (the last mouse position, or the centre at first).
  QPoint KeyboardPoint() const { return key_at_; }

 signals:
  void pressed(QPoint at);
  void moved(QPoint at);
  void released(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void DrawKeyboardMarks(QPainter& painter) const;

  QImage image_;
  std::function<void()> redraw_;
  bool fresh_ = false;
  bool painting_ = false;
  QPoint key_at_{kWidth / 2, kHeight / 2};
  bool key_cross_ = false;  // the keyboard moved the cross-hair since the mouse last did
  bool key_held_ = false;   // Space is down
};

}  // namespace jovi
