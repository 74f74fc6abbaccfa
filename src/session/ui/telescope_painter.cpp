#include "session/ui/telescope_painter.h"

#include <QFont>
#include <QPainter>

#include "util/ui/qt_text.h"

namespace jovi {

namespace {

QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

QString CannotLoad(const QString& path) {
  return QStringLiteral("Cannot load the picture \"%1\"").arg(path);
}

void PaintMagnificationLabel(QPainter& painter, const QString& text) {
  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  painter.setFont(font);
  const QRect box = painter.fontMetrics().boundingRect(text);
  const QRect at(10, 10, painter.fontMetrics().horizontalAdvance(text), box.height());
  painter.fillRect(at, Qt::white);
  painter.setPen(Qt::black);
  painter.drawText(at, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void PaintMark(QPainter& painter, const MoonMark& mark, const GlyphSize& glyph) {
  const QColor colour = ToQColor(mark.colour);
  if (mark.kind == MoonMark::Kind::Cross) {
    // End points excluded: (x - 2 .. x + 2) across and (y - 2 .. y + 2) down.
    painter.fillRect(QRect(mark.x - 2, mark.y, 5, 1), colour);
    painter.fillRect(QRect(mark.x, mark.y - 2, 1, 5), colour);
    return;
  }
  // The ellipse inside the box from (x - a, y - a) to (x + b, y + b), outline included.
  const int size = glyph.Before + glyph.After;
  if (painter.device()->devicePixelRatioF() > 1) {
    // Finer than a logical pixel: the disc filling those same pixels, its edge rounder. (An
    // outline would stand half a logical pixel outside them.)
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(mark.x - glyph.Before, mark.y - glyph.Before, size + 1, size + 1));
    return;
  }
  painter.setPen(colour);
  painter.setBrush(colour);
  painter.drawEllipse(QRect(mark.x - glyph.Before, mark.y - glyph.Before, size, size));
}

}  // namespace

QString PaintTelescopeFrame(QImage& image, const TelescopeFrame& frame, PictureCache& pictures) {
  // In logical pixels: an image with more device pixels per logical one is only drawn finer.
  const QRect field(QPoint(0, 0), image.deviceIndependentSize().toSize());
  QPainter painter(&image);
  painter.fillRect(field, Qt::black);
  const QString jupiter_path = ToQt(frame.jupiter_path);
  // Read from disk at every redraw, as the view always has: the picture changes with nearly
  // every animation step.
  const QImage jupiter(jupiter_path);
  if (jupiter.isNull()) return CannotLoad(jupiter_path);
  const PixelRect r = JupiterRect(jupiter.width(), jupiter.height(), frame.magnification,
                                  frame.centre_x, frame.centre_y);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), jupiter);
  PaintMagnificationLabel(painter, ToQt(frame.magnification_label));
  if (frame.clouded) {
    const QString cloud_path = ToQt(frame.cloud_path);
    const QImage& cloud = pictures.Load(cloud_path);
    if (cloud.isNull()) return CannotLoad(cloud_path);
    painter.drawImage(field, cloud);
    return {};
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const MoonMark& mark : frame.marks) PaintMark(painter, mark, frame.glyph);
  return {};
}

}  // namespace jovi
