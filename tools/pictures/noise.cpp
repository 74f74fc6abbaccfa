#include "noise.h"

#include <algorithm>
#include <cmath>

namespace jovi::pictures {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h = (h ^ (h >> 13)) * 0x297A2D39u;
  return h ^ (h >> 16);
}

double Random01(std::int32_t i, std::int32_t j, std::uint32_t seed) {
  return (Hash(i, j, seed) >> 8) * (1.0 / 16777216.0);
}

namespace {
double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// Sixteen unit gradients, evenly spread round the circle.
struct Gradients {
  double x[16], y[16];
  Gradients() {
    for (int i = 0; i < 16; ++i) {
      x[i] = std::cos(i * 0.39269908169872414);
      y[i] = std::sin(i * 0.39269908169872414);
    }
  }
};

// The dot product of the lattice point's gradient with the offset from it.
double Corner(std::int32_t ix, std::int32_t iy, double dx, double dy, std::uint32_t seed,
              int period) {
  static const Gradients g;
  if (period > 0) ix = ((ix % period) + period) % period;
  const std::uint32_t k = Hash(ix, iy, seed) >> 28;
  return g.x[k] * dx + g.y[k] * dy;
}
}  // namespace

double GradientNoise(double x, double y, std::uint32_t seed, int period) {
  const double fx = std::floor(x), fy = std::floor(y);
  const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
  const double dx = x - fx, dy = y - fy;
  const double u = Fade(dx), v = Fade(dy);
  const double a = Corner(ix, iy, dx, dy, seed, period);
  const double b = Corner(ix + 1, iy, dx - 1, dy, seed, period);
  const double c = Corner(ix, iy + 1, dx, dy - 1, seed, period);
  const double d = Corner(ix + 1, iy + 1, dx - 1, dy - 1, seed, period);
  // The largest value of 2-D gradient noise is 1/sqrt(2).
  return 1.4142135623730951 * (a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v);
}

double Fractal(double x, double y, int octaves, std::uint32_t seed, int period, double gain) {
  double sum = 0, norm = 0, amplitude = 1, scale = 1;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * GradientNoise(x * scale, y * scale, seed + 101u * static_cast<unsigned>(o),
                                     period > 0 ? period * static_cast<int>(scale) : 0);
    norm += amplitude;
    amplitude *= gain;
    scale *= 2;
  }
  return sum / norm;
}

double SmoothStep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace jovi::pictures
