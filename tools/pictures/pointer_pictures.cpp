#include "pointer_pictures.h"

#include <QPainter>
#include <QPolygonF>
#include <cstdint>
#include <vector>

#include "platform/windows_cursor_format.h"
#include "shipped_file.h"

namespace jovi::pictures {

namespace {

std::vector<std::uint8_t> Encode(const QImage& picture, IconFileKind kind, QPoint hot_spot) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    pixels.insert(pixels.end(), line, line + argb.width());
  }
  return EncodeIconFile(kind, argb.width(), argb.height(), pixels, hot_spot.x(), hot_spot.y());
}

}  // namespace

QImage CrossHairImage() {
  QImage image(kPointerSize, kPointerSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const int cx = kCrossHairHotSpot.x(), cy = kCrossHairHotSpot.y();
  const auto on_line = [&](int x, int y) {
    return (x == cx) != (y == cy) && x > 0 && y > 0;  // both arms, but not the centre
  };
  for (int y = 0; y < kPointerSize; ++y) {
    for (int x = 0; x < kPointerSize; ++x) {
      if (on_line(x, y)) {
        image.setPixel(x, y, qRgba(255, 255, 255, 255));
      } else if (x != cx && y != cy &&
                 (on_line(x - 1, y) || on_line(x + 1, y) || on_line(x, y - 1) ||
                  on_line(x, y + 1))) {
        image.setPixel(x, y, qRgba(0, 0, 0, 150));  // keeps the lines visible on light ground
      }
    }
  }
  return image;
}

QImage RedArrowImage() {
  QImage image(kPointerSize, kPointerSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double axis = 15.5;  // the middle of column 15
  const QPolygonF arrow{{axis - 3.5, 2.0},   {axis + 3.5, 2.0}, {axis + 3.5, 16.0},
                        {axis + 10.5, 16.0}, {axis, 29.5},      {axis - 10.5, 16.0},
                        {axis - 3.5, 16.0}};
  QLinearGradient shade(axis - 10, 0, axis + 10, 0);
  shade.setColorAt(0, QColor(255, 70, 60));
  shade.setColorAt(1, QColor(200, 0, 0));
  p.setBrush(shade);
  p.setPen(QPen(QColor(110, 0, 0), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(arrow);
  p.end();
  return image;
}

bool WritePointerPictures(const QString& folder) {
  const bool cursor = SaveBytes(Encode(CrossHairImage(), IconFileKind::Cursor, kCrossHairHotSpot),
                                folder + "/XPXHAIR.CUR");
  const bool arrow =
      SaveBytes(Encode(RedArrowImage(), IconFileKind::Icon, {}), folder + "/REDARROW.ICO");
  return cursor && arrow;
}

}  // namespace jovi::pictures
