// Fuzzes the leap-second file ("Leap Seconds.txt") as the time scales load it: TAI - UTC at
// dates from 1960 to 2100 through the table and through the program's Delta T, finite always.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "astro/leap_second_table.h"
#include "astro/time_scales.h"
#include "fuzz_file.h"
#include "util/real.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::string path = fuzz::InputFile(data, size, "Leap Seconds.txt");
  SilentPrompter silent;
  LeapSecondTable table(path);
  SetLeapSecondFile(path);
  for (Real jd = 2436934.5_r; jd < 2488069.5_r; jd += 1461.0_r) {  // 1960-2100
    if (!std::isfinite(table.SecondsAt(jd, silent))) std::abort();
    const Real tdt = TDTFromUT(jd);
    if (!std::isfinite(tdt) || !std::isfinite(UTFromTDT(tdt))) std::abort();
  }
  if (!table.Loaded()) std::abort();
  return 0;
}
