#include "session/telescope_geometry.h"

#include <algorithm>
#include <cmath>

#include "util/real.h"

namespace jovi {

namespace {
int RoundEven(Real v) { return static_cast<int>(std::nearbyint(v)); }
int ClampMagnification(int m) { return std::clamp(m, 1, 4); }
}  // namespace

ViewGeometry GeometryFor(int magnification, int centre_x, int centre_y) {
  const int index = ClampMagnification(magnification) - 1;
  return {index, centre_x, centre_y, kMagnificationScale[static_cast<std::size_t>(index)]};
}

MoonPixelSet PlaceMoons(const std::array<SatelliteState, 4>& moons, const ViewGeometry& g) {
  MoonPixelSet pixels;
  const Real r = g.PixelsPerRadius;
  for (std::size_t i = 0; i < moons.size(); ++i) {
    const SatelliteState& m = moons[i];
    pixels[i] = {RoundEven(r * m.X) + g.CentreX, RoundEven(r * m.Y) + g.CentreY,
                 RoundEven(r * m.SunX) + g.CentreX, RoundEven(r * m.SunY) + g.CentreY};
  }
  return pixels;
}

GlyphSize GlyphSizeFor(int mag_index) {
  static constexpr std::array<GlyphSize, 4> kSizes{{{1, 1}, {1, 2}, {2, 2}, {2, 3}}};
  return kSizes[static_cast<std::size_t>(std::clamp(mag_index, 0, 3))];
}

PixelRect JupiterRect(int picture_width, int picture_height, int magnification, int centre_x,
                      int centre_y) {
  const Real m = ClampMagnification(magnification);
  const int w = RoundEven(picture_width * m / kImageScaleDivisor);
  const int h = RoundEven(picture_height * m / kImageScaleDivisor);
  const int left = centre_x - w / 2;
  const int top = centre_y - h / 2;
  return {left, top, left + w, top + h};
}

std::string MagnificationLabel(int magnification) {
  std::string label = " ";
  label.append(std::to_string(ClampMagnification(magnification) * 100)).append("x ");
  return label;
}

}  // namespace jovi
