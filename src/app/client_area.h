// The main window's client area: the logo or title picture before the telescope is shown,
// and the telescope's two panels after Run.
#pragma once

#include <QFrame>
#include <QImage>
#include <QWidget>

#include "session/exercise_session.h"

namespace jovi {

class ClientArea : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 632;
  static constexpr int kHeight = 434;

  explicit ClientArea(QWidget* parent = nullptr);

  // The picture to paint, loaded when its path changes; a missing file paints nothing.
  void ShowPicture(const WindowPicture& picture);
  const QImage& Picture() const { return image_; }
  void SetPanelsVisible(bool visible);

  QFrame* Panel1;  // the telescope field
  QFrame* Panel2;  // labels and buttons below it

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString path_;
  WindowPicture::Placement placement_ = WindowPicture::Placement::None;
  QImage image_;
};

}  // namespace jovi
