#include "app/client_area.h"

#include <QPainter>

#include "util/ui/qt_text.h"

namespace jovi {

namespace {
constexpr int kPanel1Height = 330;
constexpr int kPanelWidth = 634;
}  // namespace

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(2);
  Panel1->setGeometry(0, 0, kPanelWidth, kPanel1Height);
  Panel1->setAutoFillBackground(true);
  QPalette black = Panel1->palette();
  black.setColor(QPalette::Window, Qt::black);
  Panel1->setPalette(black);

  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(0, 327, kPanelWidth, kHeight - kPanel1Height + 6);
  Panel2->setAutoFillBackground(true);
  SetPanelsVisible(false);
}

void ClientArea::SetPanelsVisible(bool visible) {
  Panel1->setVisible(visible);
  Panel2->setVisible(visible);
  Panel2->raise();
}

void ClientArea::ShowPicture(const WindowPicture& picture) {
  const QString path = ToQt(picture.path);
  if (path != path_) {
    path_ = path;
    image_ = path.isEmpty() ? QImage() : QImage(path);
  }
  placement_ = picture.placement;
  update();
}

void ClientArea::paintEvent(QPaintEvent*) {
  if (image_.isNull() || placement_ == WindowPicture::Placement::None) return;
  QPainter painter(this);
  if (placement_ == WindowPicture::Placement::Stretched) {
    painter.drawImage(rect(), image_);
  } else {
    painter.drawImage(QPoint(0, 0), image_);
  }
}

}  // namespace jovi
