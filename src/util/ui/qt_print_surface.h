// The program's printer through Qt: pages of a QPrinter (a real printer or a PDF file).
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

#include "util/print_surface.h"

class QPrinter;

namespace jovi {

class QtPrintSurface final : public PrintSurface {
 public:
  explicit QtPrintSurface(QPrinter& printer);
  ~QtPrintSurface() override;

  void SetJobTitle(std::string_view title) override;
  void SetOrientation(PageOrientation orientation) override;
  bool BeginDocument() override;
  void EndDocument() override;
  void NewPage() override;
  int PageWidth() const override;
  int PageHeight() const override;
  void SetFont(const PrintFont& font) override;
  int TextWidth(std::string_view text) const override;
  int TextHeight(std::string_view text) const override;
  void TextOut(int x, int y, std::string_view text) override;
  void StretchImage(int x, int y, int width, int height, const PrintImage& image) override;

 private:
  QPrinter& printer_;
  std::unique_ptr<QPainter> painter_;
  QFont font_;
};

}  // namespace jovi
