// The cost of the Sun and Jupiter per scene, and of one full VSOP87D evaluation (the unit of
// work of the coefficient-file generator and of the fidelity tests).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "astro/planet_body.h"
#include "astro/sun_body.h"
#include "astro/vsop87.h"
#include "util/real.h"

namespace jovi {
namespace {

void BM_SunLongitudeAndRadius(benchmark::State& state) {
  const SunBody sun(kApparent);
  Real jd = 2460000.5_r;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunLongitude(sun, jd) + SunRadius(sun, jd));
    jd += 0.01_r;
  }
}
BENCHMARK(BM_SunLongitudeAndRadius);

// Within one block: no file access, as while the clock steps through a session.
void BM_JupiterGeocentricInTheHeldBlock(benchmark::State& state) {
  PlanetBody jupiter(kGeometric);
  PositionRec pos;
  Real delta = 0;
  Real jd = 2448000.5_r;
  for (auto _ : state) {
    jupiter.GeocentricPosition(jd, pos, delta);
    benchmark::DoNotOptimize(delta);
    jd += 0.001_r;
  }
}
BENCHMARK(BM_JupiterGeocentricInTheHeldBlock);

// A fresh body each time, reading its record from the shipped file.
void BM_JupiterHeliocentricFromTheFile(benchmark::State& state) {
  PositionRec pos;
  Real r = 0;
  for (auto _ : state) {
    PlanetBody jupiter(kGeometric);
    jupiter.HeliocentricPosition(2460000.5_r, pos, r);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_JupiterHeliocentricFromTheFile);

void BM_Vsop87JupiterFullSeries(benchmark::State& state) {
  // The series lie in the source tree.
  const auto root = std::filesystem::path(JOVI_SOURCE_DIR);
  const Vsop87Load load =
      Vsop87Series::Load((root / "data" / "reference" / "vsop87d" / "jupiter.txt").string());
  if (!load.Ok()) {
    state.SkipWithError(load.error.c_str());
    return;
  }
  Real jde = 2451545.0_r;
  for (auto _ : state) {
    benchmark::DoNotOptimize(load.series.At(jde).Longitude);
    jde += 1.0_r;
  }
}
BENCHMARK(BM_Vsop87JupiterFullSeries);

}  // namespace
}  // namespace jovi
