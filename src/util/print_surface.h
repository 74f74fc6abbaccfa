// The program's printer as the printing code sees it: a document of pages with text in a
// chosen font. The desktop program prints through Qt; tests record what was printed.
// Coordinates are device pixels from the top left of the printable page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jovi {

struct PrintFont {
  std::string family;
  int point_size = 10;
  bool fixed_pitch = false;
  bool bold = false;
};

enum class PageOrientation { Portrait, Landscape };

// A picture to print: rows from the top, each pixel 0xAARRGGBB.
struct PrintImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  // Title and orientation take effect at the next BeginDocument.
  virtual void SetJobTitle(std::string_view title) = 0;
  virtual void SetOrientation(PageOrientation orientation) = 0;
  virtual bool BeginDocument() = 0;  // false when the printer cannot start a document
  virtual void EndDocument() = 0;
  virtual void NewPage() = 0;
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual void SetFont(const PrintFont& font) = 0;
  virtual int TextWidth(std::string_view text) const = 0;
  virtual int TextHeight(std::string_view text) const = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // The picture stretched onto the box with its top left at (x, y). A surface without
  // pictures leaves it out.
  virtual void StretchImage(int /*x*/, int /*y*/, int /*width*/, int /*height*/,
                            const PrintImage& /*image*/) {}
};

}  // namespace jovi
