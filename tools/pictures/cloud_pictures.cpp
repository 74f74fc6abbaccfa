#include "cloud_pictures.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "noise.h"
#include "palette.h"
#include "parallel.h"
#include "rgb.h"
#include "shipped_file.h"

namespace jovi::pictures {

namespace {

constexpr Rgb kSky{7, 9, 17};
constexpr Rgb kCloudShadow{30, 35, 48};
constexpr Rgb kCloudLit{78, 86, 104};

// How thick the cloud is at a place in sky n: clear below 0, thicker the higher.
double CloudDepth(double x, double y, int n) {
  const auto seed = static_cast<std::uint32_t>(1000 + 37 * n);
  // Billows: the field is pushed about by a second field before it is read.
  const double wx = 60.0 * Fractal(x / 220.0, y / 220.0, 3, seed + 1);
  const double wy = 60.0 * Fractal(x / 220.0 + 5.2, y / 220.0 + 1.3, 3, seed + 2);
  const double density = Fractal((x + wx) / 210.0, (y + wy) / 120.0, 6, seed, 0, 0.55);
  // Over the middle of the field, where Jupiter is, the cloud is always thick.
  const double dx = (x - kCloudWidth / 2.0) / 150.0, dy = (y - kCloudHeight / 2.0) / 110.0;
  const double middle = std::exp(-(dx * dx + dy * dy));
  constexpr double kCover[kCloudPictures] = {0.0, 0.07, 0.15, 0.24, 0.35, 0.5, 0.9};
  const double cover = kCover[n - 1] + 0.9 * middle;
  return density + cover;
}

}  // namespace

QImage CloudPicture(int n) {
  QImage image(kCloudWidth, kCloudHeight, QImage::Format_RGB32);
  const auto seed = static_cast<std::uint32_t>(2000 + n);
  for (int y = 0; y < kCloudHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kCloudWidth; ++x) {
      const double depth = CloudDepth(x, y, n);
      const double amount = SmoothStep(-0.1, 0.1, depth);  // how much of the sky it hides
      // Thicker cloud scatters more of the towns' light back down, so it is brighter; its
      // underside shows light and shade, evening out as the sky closes over.
      const double texture = Fractal(x / 90.0, y / 55.0, 4, seed + 7);
      const double light = 0.15 + 0.7 * SmoothStep(-0.05, 0.45, depth) + (1.3 - 0.12 * n) * texture;
      const Rgb cloud = Mix(kCloudShadow, kCloudLit, std::clamp(light, 0.0, 1.0));
      Rgb c = Mix(kSky, cloud, amount);
      // A star in the clear parts, dimmed by any thin cloud in front of it.
      if (Random01(x, y, seed) < 0.0025) {
        const double bright = 40.0 + 180.0 * std::pow(Random01(x, y, seed + 1), 3.0);
        c = c + Rgb{1.0f, 1.0f, 1.05f} * static_cast<float>(bright * std::pow(1.0 - amount, 3.0));
      }
      line[x] = Opaque(c);
    }
  }
  return image;
}

bool WriteCloudPictures(const QString& folder) {
  std::atomic<bool> ok{true};
  ParallelFor(kCloudPictures, [&](int i) {
    const QString name = QStringLiteral("/Clouds %1.bmp").arg(i + 1);
    if (!SaveImage(ToIndexed8(CloudPicture(i + 1)), folder + name, "BMP")) ok = false;
  });
  return ok;
}

}  // namespace jovi::pictures
