// Jupiter's disc as the telescope shows it: the flattened globe seen from its equator plane,
// north at the bottom and west on the right, limb-darkened, black around it.
#pragma once

#include <QImage>
#include <vector>

#include "jupiter_map.h"

namespace jovi::pictures {

// Jupiter's equatorial radius over its polar radius.
inline constexpr double kJupiterOblateness = 1.071374;

// The height of a picture whose disc is `width` pixels across, rounded.
int DiscPictureHeight(int width);

class JupiterDisc {
 public:
  // Works out, once for a whole set of pictures, where each pixel's samples fall on the globe
  // of a disc that touches both side edges of a `width` × DiscPictureHeight(width) picture.
  explicit JupiterDisc(int width);

  // The disc with the central meridian at `cm_deg`, a longitude of the map, as premultiplied
  // ARGB32: opaque on the disc, its edge partly covered, transparent black around it.
  QImage Render(const JupiterMap& map, double cm_deg) const;

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  struct Sample {
    int row;             // the map rows either side of the sample's latitude: row and row + 1,
    float row_fraction;  // and how far it lies between them
    float west;          // map columns west of the central meridian
    float light;         // limb darkening and the share of the pixel
    float greyness;      // how much the colour fades to grey toward the limb
  };
  int width_;
  int height_;
  std::vector<int> first_;    // pixel i's samples are samples_[first_[i] .. first_[i + 1])
  std::vector<float> cover_;  // the share of pixel i that the disc covers
  std::vector<Sample> samples_;
};

}  // namespace jovi::pictures
