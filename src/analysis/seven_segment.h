// What a seven-segment read-out lights: one number right-aligned in a fixed count of digit
// cells with a fixed count of decimals, and an optional sign cell in front.
#pragma once

#include <cstdint>
#include <vector>

#include "util/real.h"

namespace jovi {

// Segments a..g as bits 0..6 (a top, b top right, c bottom right, d bottom, e bottom left,
// f top left, g middle).
enum Segment : std::uint8_t { kSegA = 1, kSegB = 2, kSegC = 4, kSegD = 8, kSegE = 16,
                              kSegF = 32, kSegG = 64 };

struct SegmentCell {
  std::uint8_t Segments = 0;  // lit segments
  bool Point = false;         // the decimal point after this cell
};

struct ReadoutFormat {
  int Digits = 8;     // digit cells, the sign cell not counted
  int Decimals = 2;
  bool SignCell = false;
};

// The cells, the sign cell first when there is one; all dark when switched off. A number too
// wide for its cells lights the middle bar of every cell. Without a sign cell a negative number
// takes one of the digit cells for its minus.
std::vector<SegmentCell> ReadoutCells(Real value, const ReadoutFormat& format, bool on);

// The segments of '0'..'9' and '-'; none for anything else.
std::uint8_t GlyphSegments(char c);

}  // namespace jovi
