#include "util/ui/qt_print_surface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>

#include "util/ui/qt_text.h"

namespace jovi {

QtPrintSurface::QtPrintSurface(QPrinter& printer) : printer_(printer) {}

QtPrintSurface::~QtPrintSurface() {
  if (painter_) painter_->end();
}

void QtPrintSurface::SetJobTitle(std::string_view title) { printer_.setDocName(ToQt(title)); }

void QtPrintSurface::SetOrientation(PageOrientation orientation) {
  printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
}

bool QtPrintSurface::BeginDocument() {
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(&printer_)) {
    painter_.reset();
    return false;
  }
  painter_->setFont(font_);
  return true;
}

void QtPrintSurface::EndDocument() {
  if (painter_) painter_->end();
  painter_.reset();
}

void QtPrintSurface::NewPage() { printer_.newPage(); }

int QtPrintSurface::PageWidth() const { return printer_.width(); }
int QtPrintSurface::PageHeight() const { return printer_.height(); }

void QtPrintSurface::SetFont(const PrintFont& font) {
  font_ = QFont(ToQt(font.family));
  font_.setPointSize(font.point_size);
  font_.setBold(font.bold);
  font_.setFixedPitch(font.fixed_pitch);
  if (font.fixed_pitch) font_.setStyleHint(QFont::TypeWriter);
  if (painter_) painter_->setFont(font_);
}

int QtPrintSurface::TextWidth(std::string_view text) const {
  return QFontMetrics(font_, &printer_).horizontalAdvance(ToQt(text));
}

int QtPrintSurface::TextHeight(std::string_view) const {
  return QFontMetrics(font_, &printer_).height();
}

void QtPrintSurface::TextOut(int x, int y, std::string_view text) {
  if (!painter_) return;
  // Like the text output of a printer canvas: (x, y) is the top left of the text.
  painter_->drawText(QPoint(x, y + QFontMetrics(font_, &printer_).ascent()), ToQt(text));
}

void QtPrintSurface::StretchImage(int x, int y, int width, int height, const PrintImage& image) {
  if (!painter_ || image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
    return;
  }
  const QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                       image.height, image.width * 4, QImage::Format_ARGB32);
  painter_->drawImage(QRect(x, y, width, height), picture);
}

}  // namespace jovi
