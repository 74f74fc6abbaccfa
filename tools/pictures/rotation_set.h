// The 573 pictures of one rotation of Jupiter that the telescope view chooses from by the
// central meridian: "Rotation BMPs/Jup001.BMP" to "Jup573.BMP".
#pragma once

#include <QString>

#include "jupiter_map.h"

namespace jovi::pictures {

inline constexpr int kRotationPictures = 573;
// The picture that shows the Red Spot on the central meridian.
inline constexpr int kRedSpotPicture = 62;
inline constexpr int kRotationPictureWidth = 248;

// The central meridian of picture k (1..573), in map longitude: k - 62 steps of a 573rd of a
// turn west of the Red Spot's longitude.
double RotationPictureMeridian(int k);

// The file name of picture k, "Jup001.BMP" to "Jup573.BMP".
QString RotationPictureName(int k);

// Writes all 573 pictures into `folder`, 8-bit. False when a file could not be written.
bool WriteRotationSet(const JupiterMap& map, const QString& folder);

}  // namespace jovi::pictures
