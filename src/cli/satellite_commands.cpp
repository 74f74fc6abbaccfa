#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "cli/commands.h"
#include "measure/measurement_csv.h"
#include "util/real.h"

namespace jovi::cli {

namespace {

// Eclipses are looked for in steps this long, then narrowed down by bisection.
constexpr Real kEventStepDays = 2.0_r / 1440.0_r;
constexpr Real kEventPrecisionDays = 0.1_r / 86400.0_r;
constexpr Real kLongestEventSearchDays = 3660;
constexpr Real kMostTableRows = 100000;

constexpr const char* kNoJupiter = "Jupiter's place is not known (see the message above)";
// Bisection steps of an event's instant: from 2 minutes to 0.1 s takes 11.
constexpr int kMostHalvings = 64;

// The scene at a UT instant; DataError when Jupiter's place cannot be had (the coefficient
// file's message has gone to stderr once).
const ObservationScene& SceneAtUT(Real jd) {
  ComputeScene(TDTFromUT(jd));
  if (ProgramScene().Working().jupiter_failed) {
    throw DataError(std::string(kNoJupiter) + ": nothing computed from JD " + Fixed(jd, 6) + " on");
  }
  return ProgramScene();
}

}  // namespace

void SceneCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 2, "jovitrack-cli scene JD [--tdt]");
  const bool tdt = args.size() == 2;
  if (tdt && args[1] != "--tdt") throw UsageError("unknown option: " + args[1]);
  const Real jd = ObservationJD(args[0]);
  ComputeScene(tdt ? jd : TDTFromUT(jd));
  for (int k = 1; k <= 4; ++k) {
    const SatelliteState& s = ProgramScene().Satellite(k);
    out << k << ' ' << Fixed(s.X, 6) << ' ' << Fixed(s.Y, 6) << ' ' << Fixed(s.Z, 6) << ' '
        << Fixed(s.SunX, 6) << ' ' << Fixed(s.SunY, 6) << ' ' << Fixed(s.SunZ, 6) << ' '
        << s.Occulted << ' ' << s.Eclipsed << ' ' << s.ShadowOnDisc << '\n';
  }
  if (ProgramScene().Working().jupiter_failed) {
    throw DataError(std::string(kNoJupiter) + ": every moon is put behind the disc");
  }
}

void TableCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 3, 3, "jovitrack-cli table FROM_JD TO_JD STEP_HOURS");
  const Real from = ObservationJD(args[0]);
  const Real to = ObservationJD(args[1]);
  RequireOrder(from, to);
  const auto step_hours = ParseNumber(args[2]);
  if (!step_hours || *step_hours <= 0) throw UsageError("the step must be a positive number of hours");
  const Real step = *step_hours / 24;
  const Real rows = std::floor((to - from) / step) + 1;
  if (rows > kMostTableRows) throw UsageError("more than 100000 instants: take a longer step");

  std::vector<MeasurementRecord> records;
  for (Real i = 0; i < rows; ++i) {
    MeasurementRecord record;
    record.JulianDay = from + i * step;
    const ObservationScene& scene = SceneAtUT(record.JulianDay);
    for (int k = 1; k <= 4; ++k) {
      const SatelliteState& s = scene.Satellite(k);
      // What a perfect observer measures: half the offset in radii, west positive; a moon behind
      // the disc or in the shadow cannot be seen.
      if (!s.Occulted && !s.Eclipsed) record.Offset[static_cast<std::size_t>(k - 1)] =
          static_cast<float>(s.X / 2);
    }
    records.push_back(record);
  }
  DateTimeRec now;
  SetZoneAndNow(now, 0);
  out << CsvText(now, records);
}

void EventsCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 2, 4, "jovitrack-cli events FROM_JD TO_JD [--moon N]");
  const Real from = ObservationJD(args[0]);
  const Real to = ObservationJD(args[1]);
  RequireOrder(from, to);
  if (to - from > kLongestEventSearchDays) throw UsageError("the span is longer than 3660 days");
  int only = 0;
  if (args.size() > 2) {
    if (args.size() != 4 || args[2] != "--moon") throw UsageError("usage: events FROM_JD TO_JD [--moon N]");
    if (args[3].size() != 1 || args[3][0] < '1' || args[3][0] > '4') {
      throw UsageError("the moon is 1, 2, 3 or 4: " + args[3]);
    }
    only = args[3][0] - '0';
  }

  auto eclipsed = [](Real jd) {
    std::array<bool, 4> e{};
    const ObservationScene& scene = SceneAtUT(jd);
    for (std::size_t k = 0; k < 4; ++k) e[k] = scene.Satellites()[k].Eclipsed;
    return e;
  };

  std::array<bool, 4> before = eclipsed(from);
  const Real steps = std::ceil((to - from) / kEventStepDays);
  for (Real i = 1; i <= steps; ++i) {
    const Real a = from + (i - 1) * kEventStepDays;
    const Real b = std::fmin(from + i * kEventStepDays, to);
    const std::array<bool, 4> after = eclipsed(b);
    struct Event {
      Real at;
      std::size_t moon;
    };
    std::vector<Event> found;
    for (std::size_t k = 0; k < 4; ++k) {
      if (after[k] == before[k] || (only != 0 && only != static_cast<int>(k) + 1)) continue;
      Real lo = a, hi = b;
      for (int n = 0; n < kMostHalvings && hi - lo > kEventPrecisionDays; ++n) {
        const Real mid = (lo + hi) / 2;
        (eclipsed(mid)[k] == before[k] ? lo : hi) = mid;
      }
      found.push_back({(lo + hi) / 2, k});
    }
    std::sort(found.begin(), found.end(), [](const Event& x, const Event& y) { return x.at < y.at; });
    for (const Event& e : found) {
      out << e.moon + 1 << ' ' << (after[e.moon] ? "enter" : "leave") << ' ' << Fixed(e.at, 6)
          << ' ' << DateTimeText(e.at) << '\n';
    }
    before = after;
  }
}

}  // namespace jovi::cli
