// One animation step of the telescope as the timer runs it, without the painting: the step's
// range check, the scene, the rotation picture's choice, the moons' pixels, the cloud
// decision and the moons' marks with the eclipse watch.
#include <benchmark/benchmark.h>

#include "astro/central_meridians.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "session/cloud_watch.h"
#include "session/eclipse_watch.h"
#include "session/observation_step.h"
#include "session/rotation_image.h"
#include "session/telescope_geometry.h"
#include "util/real.h"

namespace {

class FixedRandom final : public jovi::RandomSource {
 public:
  double Uniform() override { return 0.5; }
};

void TelescopeAnimationStep(benchmark::State& state) {
  jovi::Real ut = 2461383.5_r;
  jovi::CloudState clouds;
  clouds.CloudsEnabled = true;
  clouds.CloudChance = 0.1_r;
  FixedRandom random;
  jovi::FeatureSettings features;
  features.StopOnEclipse = features.ShowEclipsedMoon = true;
  std::array<bool, 4> eclipsed{};
  const jovi::ViewGeometry geometry = jovi::GeometryFor(2, 315, 163);
  for (auto _ : state) {
    const auto next = jovi::StepTarget(ut, 0.1_r);
    ut = next ? *next : 2461383.5_r;
    jovi::ComputeScene(jovi::TDTFromUT(ut));
    jovi::Real system_i = 0, system_ii = 0;
    jovi::CentralMeridians(jovi::TDTFromUT(ut), system_i, system_ii);
    benchmark::DoNotOptimize(jovi::RotationImageName(jovi::SelectRotationImage(system_ii, 119.0f)));
    const auto& moons = jovi::ProgramScene().Satellites();
    const jovi::MoonPixelSet pixels = jovi::PlaceMoons(moons, geometry);
    if (!jovi::UpdateClouds(clouds, {true, false, ut, "Cloud BMPs"}, random)) {
      benchmark::DoNotOptimize(jovi::PlanMoons(moons, pixels, features, true, eclipsed));
    }
  }
}
BENCHMARK(TelescopeAnimationStep);

}  // namespace
