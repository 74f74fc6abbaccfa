#include <array>
#include <cmath>
#include <string>

#include "almanac/mutual_events.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "cli/commands.h"
#include "session/moon_dimming.h"
#include "util/real.h"

namespace jovi::cli {

namespace {

constexpr Real kLongestMutualSearchDays = 3660;
constexpr std::string_view kMutualUsage =
    "jovitrack-cli mutual FROM_JD TO_JD [--all] [--min-drop F]";

// "hh:mm:ss" of a UT Julian date, to the nearest second.
std::string TimeOfDay(Real jd) {
  const std::string text = DateTimeText(jd);
  return text.substr(text.size() - 8);
}

}  // namespace

void MutualCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 2, 5, kMutualUsage);
  const Real from = ObservationJD(args[0]);
  const Real to = ObservationJD(args[1]);
  RequireOrder(from, to);
  if (to - from > kLongestMutualSearchDays) throw UsageError("the span is longer than 3660 days");
  bool all = false;
  Real min_drop = kDefaultMinimumDrop;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--all") {
      all = true;
    } else if (args[i] == "--min-drop") {
      if (++i == args.size()) throw UsageError("--min-drop needs a fraction from 0 to 1");
      const auto f = ParseNumber(args[i]);
      if (!f || *f < 0 || *f > 1)
        throw UsageError("the drop is a fraction from 0 to 1: " + args[i]);
      min_drop = *f;
    } else {
      throw UsageError("usage: " + std::string(kMutualUsage));
    }
  }
  const MutualSearch search = FindMutualEvents(from, to, min_drop, all);
  for (const MutualEvent& e : search.events) {
    out << DateTimeText(e.begin) << ' ' << TimeOfDay(e.end) << ' ' << Fixed(e.middle, 6) << ' '
        << e.Code() << e.type << ' ' << Fixed(e.light_lost, 2) << (e.Hidden() ? " hidden" : "")
        << '\n';
  }
  if (search.failed) throw DataError("Jupiter's place is not available: the list stops there");
}

void LightCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 1, "jovitrack-cli light JD");
  const Real jd = ObservationJD(args[0]);
  ComputeScene(TDTFromUT(jd));
  if (ProgramScene().Working().jupiter_failed) {
    throw DataError("Jupiter's place is not known (see the message above)");
  }
  const std::array<Real, 4> light = MutualMoonLight(ProgramScene(), jd);
  for (std::size_t k = 0; k < light.size(); ++k) out << k + 1 << ' ' << Fixed(light[k], 6) << '\n';
}

}  // namespace jovi::cli
