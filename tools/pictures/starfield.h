// A starry sky behind the title pictures.
#pragma once

#include <QImage>
#include <cstdint>

namespace jovi::pictures {

// An RGB32 picture of deep blue-black sky with faint haze and stars of many brightnesses and
// colours.
QImage Starfield(int width, int height, std::uint32_t seed);

}  // namespace jovi::pictures
