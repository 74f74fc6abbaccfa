#include "analysis/seven_segment.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {

std::uint8_t GlyphSegments(char c) {
  static constexpr std::uint8_t kDigits[10] = {
      kSegA | kSegB | kSegC | kSegD | kSegE | kSegF,          // 0
      kSegB | kSegC,                                          // 1
      kSegA | kSegB | kSegD | kSegE | kSegG,                  // 2
      kSegA | kSegB | kSegC | kSegD | kSegG,                  // 3
      kSegB | kSegC | kSegF | kSegG,                          // 4
      kSegA | kSegC | kSegD | kSegF | kSegG,                  // 5
      kSegA | kSegC | kSegD | kSegE | kSegF | kSegG,          // 6
      kSegA | kSegB | kSegC,                                  // 7
      kSegA | kSegB | kSegC | kSegD | kSegE | kSegF | kSegG,  // 8
      kSegA | kSegB | kSegC | kSegD | kSegF | kSegG,          // 9
  };
  if (c >= '0' && c <= '9') return kDigits[c - '0'];
  return c == '-' ? kSegG : 0;
}

std::vector<SegmentCell> ReadoutCells(Real value, const ReadoutFormat& format, bool on) {
  const int digits = std::clamp(format.Digits, 1, 30);
  const int decimals = std::clamp(format.Decimals, 0, digits - 1);
  std::vector<SegmentCell> cells(static_cast<std::size_t>(digits + (format.SignCell ? 1 : 0)));
  if (!on) return cells;

  std::string text = std::isfinite(value) ? FixedText(std::fabs(value), decimals) : "";
  const bool negative = value < 0 && text.find_first_not_of("0.") != std::string::npos;
  if (negative && !format.SignCell) text = "-" + text;
  // The characters that need a cell: everything but the decimal point.
  const auto needed = static_cast<int>(std::count_if(text.begin(), text.end(),
                                                     [](char c) { return c != '.'; }));
  const std::size_t first_digit = format.SignCell ? 1 : 0;
  if (text.empty() || needed > digits) {
    for (std::size_t i = first_digit; i < cells.size(); ++i) cells[i].Segments = kSegG;
    return cells;
  }
  if (negative && format.SignCell) cells[0].Segments = kSegG;
  // Right-aligned: fill from the last cell backwards.
  std::size_t cell = cells.size();
  for (auto c = text.rbegin(); c != text.rend(); ++c) {
    if (*c == '.') {
      // The point follows the digit written next, the one on its left.
      if (cell > 0) cells[cell - 1].Point = true;
      continue;
    }
    --cell;
    cells[cell].Segments = GlyphSegments(*c);
  }
  return cells;
}

}  // namespace jovi
