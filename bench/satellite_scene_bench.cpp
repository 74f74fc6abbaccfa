// One scene computation as the animation runs it: a fresh scene stepped by the default
// animation step (0.1 hour) per iteration, so the light-time iteration carries over.
#include <benchmark/benchmark.h>

#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "util/real.h"

namespace {

void SceneAnimationStep(benchmark::State& state, jovi::Real start_ut) {
  jovi::SilentPrompter prompter;
  jovi::ObservationScene scene;
  jovi::Real ut = start_ut;
  for (auto _ : state) {
    scene.Compute(jovi::TDTFromUT(ut), prompter);
    benchmark::DoNotOptimize(scene.Satellite(1).X);
    ut += 0.1_r / 24;
  }
}

// Inside the built-in coefficient block (1992) and outside it, where each computation reads
// a block of the coefficient file (2026).
BENCHMARK_CAPTURE(SceneAnimationStep, built_in_block, 2448972.5_r);
BENCHMARK_CAPTURE(SceneAnimationStep, coefficient_file, 2461383.5_r);

}  // namespace
