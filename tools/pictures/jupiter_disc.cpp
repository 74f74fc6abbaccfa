#include "jupiter_disc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace jovi::pictures {

namespace {
constexpr int kSamplesAcross = 2;  // per pixel side
constexpr double kRadToDeg = 57.29577951308232;

// A small Gaussian blur (sigma 0.7 pixel), done across and then down.
template <typename T>
std::vector<T> Blur(const std::vector<T>& in, int width, int height) {
  constexpr float kWeights[3] = {0.5699f, 0.2054f, 0.0096f};  // offsets 0, 1, 2
  const auto pass = [&](const std::vector<T>& from, int step_x, int step_y) {
    std::vector<T> to(from.size());
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        T sum{};
        for (int d = -2; d <= 2; ++d) {
          const int sx = std::clamp(x + d * step_x, 0, width - 1);
          const int sy = std::clamp(y + d * step_y, 0, height - 1);
          sum = sum + from[static_cast<std::size_t>(sy) * width + sx] * kWeights[std::abs(d)];
        }
        to[static_cast<std::size_t>(y) * width + x] = sum;
      }
    }
    return to;
  };
  return pass(pass(in, 1, 0), 0, 1);
}
}  // namespace

int DiscPictureHeight(int width) {
  return static_cast<int>(std::nearbyint(width / kJupiterOblateness));
}

JupiterDisc::JupiterDisc(int width) : width_(width), height_(DiscPictureHeight(width)) {
  const double radius = width / 2.0;  // equatorial radius in pixels
  const double q = 1.0 / kJupiterOblateness;
  const double share = 1.0 / (kSamplesAcross * kSamplesAcross);
  first_.reserve(static_cast<std::size_t>(width_) * height_ + 1);
  for (int py = 0; py < height_; ++py) {
    for (int px = 0; px < width_; ++px) {
      first_.push_back(static_cast<int>(samples_.size()));
      for (int sy = 0; sy < kSamplesAcross; ++sy) {
        for (int sx = 0; sx < kSamplesAcross; ++sx) {
          // Offsets from the centre in equatorial radii: x to the west, y to the north.
          const double x = (px + (sx + 0.5) / kSamplesAcross - width_ / 2.0) / radius;
          const double y = (py + (sy + 0.5) / kSamplesAcross - height_ / 2.0) / radius;
          const double z2 = 1.0 - x * x - (y / q) * (y / q);
          if (z2 < 0) continue;
          const double z = std::sqrt(z2);  // toward the observer
          // The surface normal gives the planetographic latitude and the emission angle.
          const double ny = y / (q * q);
          const double mu = z / std::sqrt(x * x + ny * ny + z * z);
          const double lat = std::atan2(ny, std::hypot(x, z)) * kRadToDeg;
          const double west = std::atan2(x, z) * kRadToDeg;
          const double light = 0.08 + 0.92 * std::pow(mu, 0.55);
          const double row = std::clamp(JupiterMap::Row(lat), 0.0, JupiterMap::kRows - 1.001);
          samples_.push_back({static_cast<int>(row), static_cast<float>(row - std::floor(row)),
                              static_cast<float>(west * (JupiterMap::kColumns / 360.0)),
                              static_cast<float>(light * share),
                              static_cast<float>(0.45 * std::pow(1.0 - mu, 2.0))});
        }
      }
    }
  }
  first_.push_back(static_cast<int>(samples_.size()));
  for (std::size_t i = 0; i + 1 < first_.size(); ++i) {
    cover_.push_back(static_cast<float>((first_[i + 1] - first_[i]) * share));
  }
}

QImage JupiterDisc::Render(const JupiterMap& map, double cm_deg) const {
  // Brought into [kColumns, 2 kColumns), so that a quarter turn either way from it stays
  // positive, as the map's lookup wants.
  constexpr double kTurn = JupiterMap::kColumns;
  const double cm_column =
      std::fmod(std::fmod(JupiterMap::Column(cm_deg), kTurn) + kTurn, kTurn) + kTurn;
  std::vector<Rgb> sharp(static_cast<std::size_t>(width_) * height_);
  for (std::size_t i = 0; i < sharp.size(); ++i) {
    Rgb sum;
    for (int s = first_[i]; s < first_[i + 1]; ++s) {
      const Sample& sample = samples_[static_cast<std::size_t>(s)];
      const Rgb c =
          map.Texel(static_cast<float>(cm_column - sample.west), sample.row, sample.row_fraction);
      const float grey = 0.3f * c.r + 0.55f * c.g + 0.15f * c.b;
      sum = sum + Mix(c, Rgb{grey, grey, grey * 1.02f}, sample.greyness) * sample.light;
    }
    sharp[i] = sum;
  }
  // The air's unsteadiness softens the view a little; what lies off the disc stays black.
  const std::vector<Rgb> seen = Blur(sharp, width_, height_);
  const std::vector<float> cover = Blur(cover_, width_, height_);
  QImage image(width_, height_, QImage::Format_ARGB32_Premultiplied);
  for (int py = 0; py < height_; ++py) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
    for (int px = 0; px < width_; ++px) {
      const std::size_t i = static_cast<std::size_t>(py) * width_ + px;
      if (cover_[i] == 0) {
        line[px] = 0;
        continue;
      }
      const int alpha = Channel(cover[i] * 255.0f);
      line[px] =
          qRgba(std::min<int>(Channel(seen[i].r), alpha), std::min<int>(Channel(seen[i].g), alpha),
                std::min<int>(Channel(seen[i].b), alpha), alpha);
    }
  }
  return image;
}

}  // namespace jovi::pictures
