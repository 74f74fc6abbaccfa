// The two small pictures in Windows formats: the telescope's cross-hair cursor "XPXHAIR.CUR"
// and the top view's red arrow toward the Earth "REDARROW.ICO".
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

namespace jovi::pictures {

inline constexpr int kPointerSize = 32;
// The cross-hair's hot spot: its centre pixel, the one left open so the moon shows through.
inline constexpr QPoint kCrossHairHotSpot{16, 16};

// The cross-hair, 32 × 32 ARGB32: white lines with a dark edge, open at the hot spot.
QImage CrossHairImage();

// The red arrow pointing down, 32 × 32 ARGB32, centred on column 15 (where the top view
// puts Jupiter's centre).
QImage RedArrowImage();

// Writes "XPXHAIR.CUR" and "REDARROW.ICO" into `folder`.
bool WritePointerPictures(const QString& folder);

}  // namespace jovi::pictures
