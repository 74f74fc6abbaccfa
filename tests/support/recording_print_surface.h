// A printer for tests: every line of text with its place, in a font of fixed cell size
// (each character 7 pixels wide, lines 12 pixels high).
#pragma once

#include <string>
#include <vector>

#include "util/print_surface.h"

namespace jovi::test {

struct PrintedImage {
  int x, y, width, height;
  int image_width, image_height;
  int page;  // 0 for the first page of the document
};

struct PrintedText {
  int x;
  int y;
  std::string text;
  std::string font;
};

class RecordingPrintSurface final : public PrintSurface {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kLineHeight = 12;

  void SetJobTitle(std::string_view title) override { job_title = title; }
  void SetOrientation(PageOrientation o) override { orientation = o; }
  bool BeginDocument() override { ++documents; return true; }
  void EndDocument() override {}
  void NewPage() override { ++pages; }
  int PageWidth() const override { return 1000; }
  int PageHeight() const override { return 1400; }
  void SetFont(const PrintFont& f) override {
    font = f.family + " " + std::to_string(f.point_size) + (f.fixed_pitch ? " fixed" : "");
  }
  int TextWidth(std::string_view text) const override {
    return kCharWidth * static_cast<int>(text.size());
  }
  int TextHeight(std::string_view) const override { return kLineHeight; }
  void TextOut(int x, int y, std::string_view text) override {
    printed.push_back({x, y, std::string(text), font});
  }
  void StretchImage(int x, int y, int width, int height, const PrintImage& image) override {
    images.push_back({x, y, width, height, image.width, image.height, pages});
  }

  std::string job_title;
  PageOrientation orientation = PageOrientation::Portrait;
  int documents = 0;
  int pages = 0;
  std::string font;
  std::vector<PrintedText> printed;
  std::vector<PrintedImage> images;
};

}  // namespace jovi::test
