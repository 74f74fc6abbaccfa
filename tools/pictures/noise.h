// Smooth pseudo-random fields for the generated pictures: gradient noise that can wrap around
// in x (for maps that go once round a planet) and sums of its octaves.
#pragma once

#include <cstdint>

namespace jovi::pictures {

// A well-mixed 32-bit hash of three integers.
std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed);

// A uniform number in [0, 1) from the hash of (i, j, seed).
double Random01(std::int32_t i, std::int32_t j, std::uint32_t seed);

// Gradient noise in about [-1, 1] with one lattice cell per unit. When `period` > 0 the field
// repeats every `period` units in x.
double GradientNoise(double x, double y, std::uint32_t seed, int period = 0);

// `octaves` of gradient noise, each of twice the frequency and `gain` times the amplitude of the
// one before, scaled back into about [-1, 1]. The period (in first-octave units) doubles with
// the frequency, so the sum wraps as the first octave does.
double Fractal(double x, double y, int octaves, std::uint32_t seed, int period = 0,
               double gain = 0.5);

// Smooth step from 0 at `edge0` to 1 at `edge1`.
double SmoothStep(double edge0, double edge1, double x);

}  // namespace jovi::pictures
