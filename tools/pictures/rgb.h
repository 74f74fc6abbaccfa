// A colour with float channels on the 0..255 scale, for painting before quantising.
#pragma once

#include <algorithm>
#include <cstdint>

namespace jovi::pictures {

struct Rgb {
  float r = 0, g = 0, b = 0;
};

inline Rgb operator*(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

// `a` when t = 0, `b` when t = 1.
inline Rgb Mix(Rgb a, Rgb b, double t) {
  const auto k = static_cast<float>(t);
  return {a.r + (b.r - a.r) * k, a.g + (b.g - a.g) * k, a.b + (b.b - a.b) * k};
}

inline std::uint8_t Channel(float v) {
  return static_cast<std::uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
}

// As a QRgb value (0xAARRGGBB, opaque).
inline std::uint32_t Opaque(Rgb c) {
  return 0xFF000000u | std::uint32_t{Channel(c.r)} << 16 | std::uint32_t{Channel(c.g)} << 8 |
         Channel(c.b);
}

}  // namespace jovi::pictures
