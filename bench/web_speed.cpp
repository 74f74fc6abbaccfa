// The speed of the core as a plain program, built both natively and with em++ so that
// `make web-bench` runs the two in the same session: scenes per second as the animation steps
// them (2026, where each scene reads the coefficient file), and one year of the moons'
// almanac (2026, hidden events included). Prints one line for each.
#include <chrono>
#include <cstdio>
#include <string>

#include "almanac/moon_events.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "util/prompter.h"
#include "util/real.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string label = argc > 1 ? argv[1] : "this build";
  jovi::SetLeapSecondFile(jovi::ProgramDir() + "Leap Seconds.txt");
  jovi::SilentPrompter prompter;

  // Scenes: at least 2 s of the animation's steps of 0.1 hour.
  jovi::ObservationScene scene;
  jovi::Real ut = 2461383.5_r;
  long scenes = 0;
  double checksum = 0;
  const Clock::time_point start = Clock::now();
  while (SecondsSince(start) < 2.0) {
    for (int i = 0; i < 200; ++i) {
      scene.Compute(jovi::TDTFromUT(ut), prompter);
      checksum += static_cast<double>(scene.Satellite(1).X);
      ut += 0.1_r / 24;
    }
    scenes += 200;
  }
  const double scene_seconds = SecondsSince(start);
  std::printf("%-10s scene: %.1f us each, %.0f scenes/s (checksum %.3f)\n", label.c_str(),
              1e6 * scene_seconds / static_cast<double>(scenes),
              static_cast<double>(scenes) / scene_seconds, checksum);

  // One year of the almanac.
  jovi::MoonEventQuery query;
  query.from_ut = 2461041.5_r;  // 2026 January 1, 0h UT
  query.to_ut = query.from_ut + 365;
  query.include_hidden = true;
  const Clock::time_point year_start = Clock::now();
  const jovi::MoonEventList list = jovi::FindMoonEvents(query, prompter);
  const double year_seconds = SecondsSince(year_start);
  if (!list.Ok()) {
    std::fprintf(stderr, "almanac: %s\n", list.error.c_str());
    return 1;
  }
  std::printf("%-10s almanac 2026: %.3f s, %zu events, %ld scenes\n", label.c_str(),
              year_seconds, list.events.size(), list.scene_computations);
  return 0;
}
