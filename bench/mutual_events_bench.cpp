// A season of the moons' mutual events: one year around the 2027 opposition, every event
// (hidden and shallow ones included), as `jovitrack-cli mutual` searches it.
#include <benchmark/benchmark.h>

#include "almanac/mutual_events.h"

namespace {

void MutualSeason(benchmark::State& state) {
  constexpr long double kFrom = 2461130.5L;  // 2026 April 1
  constexpr long double kTo = kFrom + 365;
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
