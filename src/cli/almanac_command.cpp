// jovitrack-cli almanac: the moons' events, one per line.
#include <cmath>

#include "almanac/moon_events.h"
#include "cli/commands.h"

namespace jovi::cli {

namespace {

constexpr std::string_view kUsage = "usage: almanac FROM_JD TO_JD [--moon N] [--all]";

}  // namespace

std::string AlmanacLine(const MoonEvent& event) {
  // The JD of the whole second the date shows, so that the two agree.
  const long double second = std::nearbyint((event.jd + 0.5L) * 86400.0L) / 86400.0L - 0.5L;
  std::string line = DateTimeText(event.jd) + ' ' + Fixed(second, 6) + ' ' + MoonEventCode(event);
  if (event.hidden) line += " hidden";
  return line;
}

void AlmanacCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 2, 5, "jovitrack-cli almanac FROM_JD TO_JD [--moon N] [--all]");
  MoonEventQuery query;
  query.from_ut = ObservationJD(args[0]);
  query.to_ut = ObservationJD(args[1]);
  RequireOrder(query.from_ut, query.to_ut);
  if (query.to_ut - query.from_ut > kLongestMoonEventSpanDays) {
    throw UsageError("the span is longer than 3660 days");
  }
  bool moon_given = false;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--all" && !query.include_hidden) {
      query.include_hidden = true;
    } else if (args[i] == "--moon" && !moon_given && i + 1 < args.size()) {
      const std::string& n = args[++i];
      if (n.size() != 1 || n[0] < '1' || n[0] > '4') {
        throw UsageError("the moon is 1, 2, 3 or 4: " + n);
      }
      query.moons = {false, false, false, false};
      query.moons[static_cast<std::size_t>(n[0] - '1')] = true;
      moon_given = true;
    } else {
      throw UsageError(std::string(kUsage));
    }
  }
  const MoonEventList list = FindMoonEvents(query, ProgramPrompter());
  if (!list.Ok()) throw UsageError(list.error);
  for (const MoonEvent& event : list.events) out << AlmanacLine(event) << '\n';
}

}  // namespace jovi::cli
