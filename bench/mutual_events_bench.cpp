// A season of the moons' mutual events: one year around the 2027 opposition, every event
// (hidden and shallow ones included), as `jovitrack-cli mutual` searches it.
#include <benchmark/benchmark.h>

#include "almanac/mutual_events.h"
#include "util/real.h"

namespace {

void MutualSeason(benchmark::State& state) {
  constexpr jovi::Real kFrom = 2461130.5_r;  // 2026 April 1
  constexpr jovi::Real kTo = kFrom + 365;
  std::size_t events = 0;
  for (auto _ : state) {
    const jovi::MutualSearch search = jovi::FindMutualEvents(kFrom, kTo, 0, true);
    events = search.events.size();
    benchmark::DoNotOptimize(events);
  }
  state.counters["events"] = static_cast<double>(events);
}

BENCHMARK(MutualSeason)->Unit(benchmark::kMillisecond);

}  // namespace
