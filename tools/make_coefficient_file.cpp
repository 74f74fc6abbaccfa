// Builds the outer-planet coefficient file from the full VSOP87D series: for every planet and
// every five-year block, one polynomial of degree 6 per coordinate (l, b, r in the ecliptic and
// equinox of date), fitted by least squares at 60 Chebyshev nodes over the block and stored as
// 32-bit floats, in the record layout the program reads.
//
// usage: make_coefficient_file SERIES_DIR OUTPUT
//   SERIES_DIR holds jupiter.txt, saturn.txt, uranus.txt and neptune.txt.
// The file is written beside OUTPUT and renamed into place when complete.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "astro/coefficient_block.h"
#include "astro/outer_planet_records.h"
#include "astro/vsop87.h"
#include "polynomial_fit.h"
#include "util/le_codec.h"

namespace jovi::tools {

namespace {

constexpr std::size_t kNodes = 60;
constexpr long double kTwoPi = 6.283185307179586476925286766559005768L;

const char* SeriesFileName(std::uint8_t planet_index) {
  switch (planet_index) {
    case 5:
      return "jupiter.txt";
    case 6:
      return "saturn.txt";
    case 7:
      return "uranus.txt";
    case 8:
      return "neptune.txt";
    default:
      return "";
  }
}

Coefficients ToFloats(const PowerSeries& c) {
  Coefficients out{};
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<float>(c[i]);
  return out;
}

// The longitude's c0 in [0, 2pi), also once rounded to a float (the float nearest a value just
// below 2pi may be 2pi or more).
Coefficients LongitudeFloats(PowerSeries c) {
  c[0] = std::fmod(c[0], kTwoPi);
  if (c[0] < 0) c[0] += kTwoPi;
  Coefficients out = ToFloats(c);
  if (static_cast<long double>(out[0]) >= kTwoPi) out[0] = std::nextafter(out[0], 0.0f);
  if (out[0] < 0) out[0] = 0;
  return out;
}

// The instants of a block of a given length, as offsets in days from its start: the fitting
// nodes, then the start itself.
std::vector<long double> BlockOffsets(long double days) {
  std::vector<long double> offsets = ChebyshevNodes(days / kDaysPerTimeUnit, kNodes);
  for (long double& t : offsets) t *= kDaysPerTimeUnit;
  offsets.push_back(0);
  return offsets;
}

struct Job {
  const Vsop87Series* series;
  long double start;       // dynamical JD
  long double days;        // the block's length, to the second
  const Vsop87Grid* grid;  // BlockOffsets(days)
};

CoefficientBlock FitBlock(const Job& job) {
  const long double t_end = job.days / kDaysPerTimeUnit;
  const std::vector<Vsop87Position> p = job.series->At(*job.grid, job.start);
  // The longitude is continuous in the series; whole turns are taken off from the block's
  // start so that it begins in [0, 2pi) and runs on unwrapped across the block.
  const long double turns = std::floor(p[kNodes].Longitude / kTwoPi);
  std::vector<long double> l(kNodes), b(kNodes), r(kNodes);
  for (std::size_t j = 0; j < kNodes; ++j) {
    l[j] = p[j].Longitude - turns * kTwoPi;
    b[j] = p[j].Latitude;
    r[j] = p[j].Radius;
  }
  CoefficientBlock block;
  block.StartMJD = static_cast<float>(job.start - kMJDOrigin);
  block.Longitude = LongitudeFloats(FitAtChebyshevNodes(l, t_end));
  block.Latitude = ToFloats(FitAtChebyshevNodes(b, t_end));
  block.Radius = ToFloats(FitAtChebyshevNodes(r, t_end));
  return block;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) std::filesystem::remove(temp, ec);
  return !ec;
}

int Run(const std::string& series_dir, const std::string& output) {
  const auto began = std::chrono::steady_clock::now();
  std::vector<Vsop87Series> series;
  // Blocks differ in length by leap days and the calendar reform: a grid for each length.
  std::vector<std::map<long double, Vsop87Grid>> grids(kOuterPlanets.size());
  std::vector<Job> jobs;
  series.reserve(kOuterPlanets.size());
  for (const OuterPlanetRange& planet : kOuterPlanets) {
    if (planet.FirstRecord != static_cast<std::int32_t>(jobs.size())) {
      std::fprintf(stderr, "planet %d does not follow on in the file\n", planet.PlanetIndex);
      return 1;
    }
    Vsop87Load load = Vsop87Series::Load(series_dir + "/" + SeriesFileName(planet.PlanetIndex));
    if (!load.Ok()) {
      std::fprintf(stderr, "%s\n", load.error.c_str());
      return 1;
    }
    series.push_back(std::move(load.series));
    auto& planet_grids = grids[series.size() - 1];
    for (std::int32_t k = 0; k < BlockCount(planet); ++k) {
      const long double start = YearStartJD(planet.FirstYear + kYearsPerBlock * k);
      const long double days = std::nearbyint((BlockEndJD(start) - start) * 86400) / 86400;
      auto grid = planet_grids.find(days);
      if (grid == planet_grids.end()) {
        grid = planet_grids.emplace(days, series.back().Grid(BlockOffsets(days))).first;
      }
      jobs.push_back({&series.back(), start, days, &grid->second});
    }
  }
  if (jobs.size() != static_cast<std::size_t>(kCoefficientRecords)) {
    std::fprintf(stderr, "%zu blocks, expected %d\n", jobs.size(), kCoefficientRecords);
    return 1;
  }

  std::vector<CoefficientBlock> blocks(jobs.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < jobs.size(); i = next++) blocks[i] = FitBlock(jobs[i]);
  };
  const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> threads;
  for (unsigned w = 1; w < workers; ++w) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();

  LeWriter out;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    if (static_cast<long double>(blocks[i].StartMJD) + kMJDOrigin != jobs[i].start) {
      std::fprintf(stderr, "block %zu: its start is not a whole MJD\n", i);
      return 1;
    }
    WriteCoefficientBlock(out, blocks[i]);
  }
  if (!WriteFile(output, out.Bytes())) {
    std::fprintf(stderr, "cannot write %s\n", output.c_str());
    return 1;
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
  std::size_t grid_count = 0;
  for (const auto& g : grids) grid_count += g.size();
  std::printf("%s: %zu records (%zu bytes, %zu block lengths) in %.1f s on %u threads\n",
              output.c_str(), blocks.size(), out.Bytes().size(), grid_count, took.count(), workers);
  return 0;
}

}  // namespace

}  // namespace jovi::tools

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SERIES_DIR OUTPUT\n",
                 argc > 0 ? argv[0] : "make_coefficient_file");
    return 2;
  }
  return jovi::tools::Run(argv[1], argv[2]);
}
