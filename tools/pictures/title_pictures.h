// The three title pictures, 632 × 434 like the main window's client area: the splash logo
// "ZEVALOGO.bmp", the orbits exercise's title "SatLabx.bmp" and the light-time exercise's
// title "RoemerSplash.bmp".
#pragma once

#include <QImage>
#include <QString>

#include "jupiter_map.h"

namespace jovi::pictures {

inline constexpr int kTitleWidth = 632;
inline constexpr int kTitleHeight = 434;

// The family's name and the program's name beside Jupiter and its four moons.
QImage LogoPicture(const JupiterMap& map);
// "Jovitrack" over Jupiter and the moons' orbits.
QImage OrbitsTitlePicture(const JupiterMap& map);
// "Lumitrack": the Sun, the Earth's orbit, and Io passing into Jupiter's shadow.
QImage LightTimeTitlePicture(const JupiterMap& map);

// Writes the three pictures into `folder` as 24-bit bitmaps.
bool WriteTitlePictures(const JupiterMap& map, const QString& folder);

}  // namespace jovi::pictures
