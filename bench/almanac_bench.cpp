// The moons' almanac: every event of the four moons over one year (2026, hidden ones
// included), as `jovitrack-cli almanac` and the Moon Events window at its longest span compute
// it. The search is the one the program uses: no coarser step.
#include <benchmark/benchmark.h>

#include "almanac/moon_events.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "util/real.h"

namespace {

void AlmanacOneYear(benchmark::State& state) {
  jovi::SetLeapSecondFile(jovi::ProgramDir() + "Leap Seconds.txt");
  jovi::SilentPrompter prompter;
  jovi::MoonEventQuery query;
  query.from_ut = 2461041.5_r;  // 2026 January 1, 0h UT
  query.to_ut = query.from_ut + 365;
  query.include_hidden = true;
  jovi::MoonEventList list;
  for (auto _ : state) {
    list = jovi::FindMoonEvents(query, prompter);
    benchmark::DoNotOptimize(list.events.data());
  }
  if (!list.Ok()) state.SkipWithError(list.error.c_str());
  state.counters["events"] = static_cast<double>(list.events.size());
  state.counters["scenes"] = static_cast<double>(list.scene_computations);
}
BENCHMARK(AlmanacOneYear)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
