// The night skies under cloud that hide the telescope's field for a while: "Cloud BMPs/
// Clouds 1.bmp" (broken cloud) to "Clouds 7.bmp" (full overcast).
#pragma once

#include <QImage>
#include <QString>

namespace jovi::pictures {

inline constexpr int kCloudPictures = 7;
// The telescope field they are stretched over.
inline constexpr int kCloudWidth = 630;
inline constexpr int kCloudHeight = 326;

// Sky n (1..7), RGB32: dark grey-blue cloud lit faintly from below, thicker with n, always
// thick over the middle of the field where Jupiter is; stars show in the gaps.
QImage CloudPicture(int n);

// Writes the seven pictures into `folder`, 8-bit.
bool WriteCloudPictures(const QString& folder);

}  // namespace jovi::pictures
