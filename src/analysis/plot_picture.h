// The analysis plot as plain data: shapes in drawing order with the role of their colour, and
// the colours of the two display schemes. The window's painter draws exactly this.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace jovi {

enum class PlotInk { Background, Text, Point, Excluded, Curve, CrossHair };

// Lines run from (x1, y1) to (x2, y2) with the end pixel left out; a frame covers the pixels
// x1..x2-1 and y1..y2-1; an ellipse fits in the same box, filled with the background; text
// stands with its top left at (x1, y1); a polyline joins all its points, the last one included.
struct PlotShape {
  enum class Kind { Line, Frame, Ellipse, Text, Polyline };
  Kind kind = Kind::Line;
  PlotInk ink = PlotInk::Text;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string text;
  std::vector<int> points;  // x0, y0, x1, y1, ... for a polyline
};

struct PlotPicture {
  std::vector<PlotShape> shapes;
};

struct PlotColour {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const PlotColour&) const = default;
};

// Normal: navy, white, yellow, magenta, aqua, green. Monochrome: white, black, black, silver,
// black, grey.
PlotColour InkColour(PlotInk ink, bool monochrome);
// The read-outs' segments and the RMS text: green, or white in the monochrome scheme.
PlotColour ReadoutColour(bool monochrome);

}  // namespace jovi
