// Where things go in the telescope field: the view geometry of a magnification, the pixels of
// the moons and their shadows, the size of a moon's glyph and of Jupiter's picture.
#pragma once

#include <array>
#include <string>

#include "astro/satellite_scene.h"
#include "util/real.h"

namespace jovi {

// Pixels per Jupiter equatorial radius at 100X, 200X, 300X and 400X.
inline constexpr std::array<int, 4> kMagnificationScale{10, 20, 30, 40};
// Jupiter's picture is drawn (picture size x magnification / this) pixels across.
inline constexpr Real kImageScaleDivisor = 12.4_r;

struct ViewGeometry {
  int MagIndex = 0;  // 0..3
  int CentreX = 0;
  int CentreY = 0;
  int PixelsPerRadius = kMagnificationScale[0];
};

// The geometry of magnification 1..4 around the given centre.
ViewGeometry GeometryFor(int magnification, int centre_x, int centre_y);

struct MoonPixels {
  int X = 0, Y = 0;              // the moon
  int ShadowX = 0, ShadowY = 0;  // its shadow
};
using MoonPixelSet = std::array<MoonPixels, 4>;  // Io, Europa, Ganymede, Callisto

// Screen x grows to the west, screen y to Jupiter's north; halves round to even.
MoonPixelSet PlaceMoons(const std::array<SatelliteState, 4>& moons, const ViewGeometry& g);

// A moon glyph at (x, y) fills the box from (x - Before, y - Before) to (x + After, y + After).
struct GlyphSize {
  int Before = 1;
  int After = 1;
};
GlyphSize GlyphSizeFor(int mag_index);

struct PixelRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};

// The rectangle Jupiter's picture of the given size is stretched into, centred on the image
// centre, at magnification 1..4.
PixelRect JupiterRect(int picture_width, int picture_height, int magnification, int centre_x,
                      int centre_y);

// " 100x " .. " 400x ".
std::string MagnificationLabel(int magnification);

}  // namespace jovi
