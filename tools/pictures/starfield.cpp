#include "starfield.h"

#include <array>
#include <cmath>
#include <vector>

#include "noise.h"
#include "rgb.h"

namespace jovi::pictures {

namespace {
// Star colours from hot to cool.
constexpr std::array kStarTints = {Rgb{0.80f, 0.88f, 1.00f}, Rgb{0.95f, 0.97f, 1.00f},
                                   Rgb{1.00f, 1.00f, 0.96f}, Rgb{1.00f, 0.94f, 0.82f},
                                   Rgb{1.00f, 0.84f, 0.66f}};
}  // namespace

QImage Starfield(int width, int height, std::uint32_t seed) {
  std::vector<Rgb> sky(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double depth = static_cast<double>(y) / height;
      const double haze = 0.5 + 0.5 * Fractal(x / 260.0, y / 200.0, 4, seed + 1);
      sky[static_cast<std::size_t>(y) * width + x] =
          Mix(Rgb{8, 11, 26}, Rgb{3, 4, 10}, depth) + Rgb{5, 5, 10} * static_cast<float>(haze);
    }
  }
  const int stars = width * height / 400;
  for (int i = 0; i < stars; ++i) {
    const double sx = Random01(i, 0, seed) * width, sy = Random01(i, 1, seed) * height;
    // Few bright stars, many faint ones; the bright ones look a little larger.
    const double brightness = 25.0 + 230.0 * std::pow(Random01(i, 2, seed), 6.0);
    const Rgb tint = kStarTints[static_cast<std::size_t>(Random01(i, 3, seed) * kStarTints.size())];
    const double spread = 0.45 + 0.9 * brightness / 255.0;
    const int reach = static_cast<int>(std::ceil(3 * spread));
    for (int dy = -reach; dy <= reach; ++dy) {
      for (int dx = -reach; dx <= reach; ++dx) {
        const int px = static_cast<int>(sx) + dx, py = static_cast<int>(sy) + dy;
        if (px < 0 || py < 0 || px >= width || py >= height) continue;
        const double ddx = px + 0.5 - sx, ddy = py + 0.5 - sy;
        const double glow = brightness * std::exp(-(ddx * ddx + ddy * ddy) / (2 * spread * spread));
        Rgb& c = sky[static_cast<std::size_t>(py) * width + px];
        c = c + tint * static_cast<float>(glow);
      }
    }
  }
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) line[x] = Opaque(sky[static_cast<std::size_t>(y) * width + x]);
  }
  return image;
}

}  // namespace jovi::pictures
