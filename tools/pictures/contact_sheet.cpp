#include "contact_sheet.h"

#include <QFont>
#include <QPainter>

#include "cloud_pictures.h"
#include "rotation_set.h"
#include "session/ui/icon_file.h"
#include "title_pictures.h"

namespace jovi::pictures {

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kLabel = 18;
constexpr int kColumns = 6;
constexpr int kWidth = 2 * kMargin + kColumns * kRotationPictureWidth + (kColumns - 1) * kGap;

class Sheet {
 public:
  explicit Sheet(int height) : image_(kWidth, height, QImage::Format_RGB32) {
    image_.fill(QColor(46, 46, 50));
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setRenderHint(QPainter::TextAntialiasing);
  }

  void Heading(int y, const QString& text) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    painter_.setFont(font);
    painter_.setPen(QColor(230, 230, 230));
    painter_.drawText(QRect(kMargin, y, kWidth - 2 * kMargin, 24), Qt::AlignLeft | Qt::AlignVCenter,
                      text);
  }

  // `picture` scaled into `box` (or a red box when it is missing), with `label` under it.
  void Tile(const QRect& box, const QImage& picture, const QString& label) {
    if (picture.isNull()) {
      painter_.fillRect(box, QColor(160, 0, 0));
    } else {
      painter_.drawImage(box, picture);
    }
    Label(QPoint(box.left(), box.bottom() + 2), label);
  }

  void Label(QPoint at, const QString& text) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter_.setFont(font);
    painter_.setPen(QColor(210, 210, 210));
    painter_.drawText(QRect(at, QSize(kWidth - at.x(), kLabel - 2)),
                      Qt::AlignLeft | Qt::AlignVCenter, text);
  }

  // An icon or cursor file read as the program reads it: enlarged on a chequer so that its
  // transparency shows, a cursor's hot spot outlined.
  void Pointer(QPoint at, const QString& path, const QString& label) {
    constexpr int kZoom = 5;
    const auto read = ReadIconFile(path);
    const QImage picture = read ? read->image : QImage();
    const int side = 32 * kZoom;
    for (int y = 0; y < side; y += 2 * kZoom) {
      for (int x = 0; x < side; x += 2 * kZoom) {
        const QColor a =
            (x / (2 * kZoom) + y / (2 * kZoom)) % 2 ? QColor(90, 90, 96) : QColor(60, 60, 66);
        painter_.fillRect(at.x() + x, at.y() + y, 2 * kZoom, 2 * kZoom, a);
      }
    }
    QString text = label;
    if (read) {
      painter_.drawImage(QRect(at, QSize(picture.width() * kZoom, picture.height() * kZoom)),
                         picture);
      text += QStringLiteral(", %1 × %2").arg(picture.width()).arg(picture.height());
      if (read->kind == IconFileKind::Cursor) {
        painter_.setPen(QPen(QColor(0, 255, 120), 1));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(at.x() + read->hot_spot.x() * kZoom, at.y() + read->hot_spot.y() * kZoom,
                          kZoom - 1, kZoom - 1);
        text += QStringLiteral(", hot spot %1, %2").arg(read->hot_spot.x()).arg(read->hot_spot.y());
      }
      // At its own size too, on black and on white.
      painter_.fillRect(at.x() + side + kGap, at.y(), 48, 48, Qt::black);
      painter_.fillRect(at.x() + side + kGap, at.y() + 56, 48, 48, Qt::white);
      painter_.drawImage(at + QPoint(side + kGap + 8, 8), picture);
      painter_.drawImage(at + QPoint(side + kGap + 8, 64), picture);
    }
    Label(at + QPoint(0, side + 2), text);
  }

  QImage Finish() {
    painter_.end();
    return image_;
  }

 private:
  QImage image_;
  QPainter painter_;
};

QImage Load(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

}  // namespace

QImage ContactSheet(const QString& data_dir, const QString& icon_dir) {
  const int rotation_height = 231 + kLabel;
  const int rotation_rows = (kRotationPictures + 24 * kColumns - 1) / (24 * kColumns);
  const int cloud_width = (kWidth - 2 * kMargin - (kCloudPictures - 1) * kGap) / kCloudPictures;
  const int cloud_height = cloud_width * kCloudHeight / kCloudWidth;
  const int title_width = (kWidth - 2 * kMargin - 2 * kGap) / 3;
  const int title_height = title_width * kTitleHeight / kTitleWidth;

  int y = kMargin;
  const int rotation_top = y + 28;
  const int cloud_top = rotation_top + rotation_rows * (rotation_height + kGap) + 28;
  const int title_top = cloud_top + cloud_height + kLabel + kGap + 28;
  const int pointer_top = title_top + title_height + kLabel + kGap + 28;
  Sheet sheet(pointer_top + 32 * 5 + kLabel + kMargin);

  sheet.Heading(
      y,
      QStringLiteral(
          "Rotation BMPs: every 24th picture (Jup062 has the Red Spot on the central meridian)"));
  for (int k = 1, i = 0; k <= kRotationPictures; k += 24, ++i) {
    const QRect box(kMargin + (i % kColumns) * (kRotationPictureWidth + kGap),
                    rotation_top + (i / kColumns) * (rotation_height + kGap), kRotationPictureWidth,
                    231);
    sheet.Tile(box, Load(data_dir + "/Rotation BMPs/" + RotationPictureName(k)),
               RotationPictureName(k));
  }

  sheet.Heading(cloud_top - 28,
                QStringLiteral("Cloud BMPs, each stretched over the 630 × 326 field"));
  for (int n = 1; n <= kCloudPictures; ++n) {
    const QString name = QStringLiteral("Clouds %1.bmp").arg(n);
    sheet.Tile(
        QRect(kMargin + (n - 1) * (cloud_width + kGap), cloud_top, cloud_width, cloud_height),
        Load(data_dir + "/Cloud BMPs/" + name), name);
  }

  sheet.Heading(title_top - 28, QStringLiteral("Title pictures"));
  int i = 0;
  for (const char* name : {"ZEVALOGO.bmp", "SatLabx.bmp", "RoemerSplash.bmp"}) {
    sheet.Tile(QRect(kMargin + i++ * (title_width + kGap), title_top, title_width, title_height),
               Load(data_dir + "/" + name), QString::fromLatin1(name));
  }

  sheet.Heading(pointer_top - 28,
                QStringLiteral("Cursor (hot spot outlined in green), arrow icon and desktop icon"));
  sheet.Pointer({kMargin, pointer_top}, data_dir + "/XPXHAIR.CUR", QStringLiteral("XPXHAIR.CUR"));
  sheet.Pointer({kMargin + 480, pointer_top}, data_dir + "/REDARROW.ICO",
                QStringLiteral("REDARROW.ICO"));
  int x = kMargin + 960;
  for (int size : {256, 64, 48, 32, 16}) {
    const QString path = icon_dir + QStringLiteral("/hicolor/%1x%1/apps/jovitrack.png").arg(size);
    const int shown = std::min(size, 160);
    sheet.Tile(QRect(x, pointer_top, shown, shown), QImage(path),
               QStringLiteral("%1 px").arg(size));
    x += shown + kGap + 20;
  }
  return sheet.Finish();
}

}  // namespace jovi::pictures
