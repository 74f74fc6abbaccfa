// Which of the 573 rotation pictures shows Jupiter at a given central meridian.
#pragma once

#include <string>

#include "util/real.h"

namespace jovi {

inline constexpr int kRotationPictures = 573;
// Radians of rotation from one picture to the next (2 pi / 573).
inline constexpr Real kRotationStep = 0.010965419384257567_r;

// The picture number 1..573 for the angle a = System II longitude - Red Spot longitude
// (radians): round(a / step) + 62 with halves to even, brought into 1..573.
int RotationIndexForAngle(Real a);

// The picture number for the System II longitude (radians) and the Red Spot longitude option
// (degrees).
int SelectRotationImage(Real system_ii, float red_spot_degrees);

// "Jup001.BMP" .. "Jup573.BMP".
std::string RotationImageName(int index);

}  // namespace jovi
