// Jupiter's cloud tops as a cylindrical map: columns run once round the planet in System II
// longitude counted from the Great Red Spot, rows from the north pole to the south pole in
// planetographic latitude.
#pragma once

#include <vector>

#include "rgb.h"

namespace jovi::pictures {

class JupiterMap {
 public:
  static constexpr int kColumns = 1440;  // a quarter of a degree each
  static constexpr int kRows = 720;

  // Paints the whole map: belts and zones at their latitudes, turbulence, festoons, ovals,
  // barges and the Red Spot.
  JupiterMap();

  // Map units of a longitude (degrees, increasing westward from the Red Spot's) and of a
  // planetographic latitude (degrees, north positive): texel k's centre is at k.
  static double Column(double lon_deg) { return lon_deg * (kColumns / 360.0) - 0.5; }
  static double Row(double lat_deg) { return (90.0 - lat_deg) * (kRows / 180.0) - 0.5; }

  // The colour interpolated between the texels round (`column`, `row` + `row_fraction`);
  // `column` (not negative) wraps round the planet, `row` is 0 .. kRows - 2. Made for speed:
  // the renderer splits each row once for a whole set of pictures.
  Rgb Texel(float column, int row, float row_fraction) const;

 private:
  std::vector<Rgb> texels_;
};

}  // namespace jovi::pictures
