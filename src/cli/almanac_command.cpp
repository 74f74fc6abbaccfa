// jovitrack-cli almanac: the moons' events, one per line.
#include <cmath>
#include <optional>
#include <sstream>

#include "almanac/moon_events.h"
#include "almanac/visible_events.h"
#include "cli/commands.h"
#include "cli/stream_prompter.h"
#include "util/real.h"

namespace jovi::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: almanac FROM_JD TO_JD [--moon N] [--all] [--lat DEG --lon DEG [--min-alt DEG] "
    "[--sun-below DEG]]";

// A limit's value, once; throws UsageError.
Real LimitArg(const std::string& text, bool given,
                     std::optional<Real> (*parse)(std::string_view, std::string*)) {
  if (given) throw UsageError(std::string(kUsage));
  std::string why;
  const std::optional<Real> v = parse(text, &why);
  if (!v) throw UsageError(why + " (" + text + ")");
  return *v;
}

}  // namespace

std::string AlmanacLine(const MoonEvent& event) {
  // The JD of the whole second the date shows, so that the two agree.
  const Real second = std::nearbyint((event.jd + 0.5_r) * 86400.0_r) / 86400.0_r - 0.5_r;
  std::string line = DateTimeText(event.jd) + ' ' + Fixed(second, 6) + ' ' + MoonEventCode(event);
  if (event.hidden) line += " hidden";
  return line;
}

void AlmanacCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 2, 13, "jovitrack-cli " + std::string(kUsage.substr(7)));
  MoonEventQuery query;
  query.from_ut = ObservationJD(args[0]);
  query.to_ut = ObservationJD(args[1]);
  RequireOrder(query.from_ut, query.to_ut);
  if (query.to_ut - query.from_ut > kLongestMoonEventSpanDays) {
    throw UsageError("the span is longer than 3660 days");
  }
  bool moon_given = false;
  std::optional<double> lat, lon;
  bool min_alt_given = false, sun_below_given = false;
  VisibilityLimits limits;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& flag = args[i];
    const bool has_value = i + 1 < args.size();
    if (flag == "--all" && !query.include_hidden) {
      query.include_hidden = true;
    } else if (flag == "--moon" && !moon_given && has_value) {
      const std::string& n = args[++i];
      if (n.size() != 1 || n[0] < '1' || n[0] > '4') {
        throw UsageError("the moon is 1, 2, 3 or 4: " + n);
      }
      query.moons = {false, false, false, false};
      query.moons[static_cast<std::size_t>(n[0] - '1')] = true;
      moon_given = true;
    } else if (flag == "--lat" && !lat && has_value) {
      lat = LatitudeArg(args[++i]);
    } else if (flag == "--lon" && !lon && has_value) {
      lon = LongitudeArg(args[++i]);
    } else if (flag == "--min-alt" && has_value) {
      limits.min_alt_deg = LimitArg(args[++i], min_alt_given, ParseMinAltitude);
      min_alt_given = true;
    } else if (flag == "--sun-below" && has_value) {
      limits.sun_below_deg = LimitArg(args[++i], sun_below_given, ParseSunBelow);
      sun_below_given = true;
    } else {
      throw UsageError(std::string(kUsage));
    }
  }
  // A place is both coordinates; the limits mean nothing without one.
  if (lat.has_value() != lon.has_value() || ((min_alt_given || sun_below_given) && !lat)) {
    throw UsageError(std::string(kUsage));
  }
  const MoonEventList list = FindMoonEvents(query, ProgramPrompter());
  if (!list.Ok()) throw DataError(list.error);  // the dates were checked: the data failed
  if (!lat) {
    for (const MoonEvent& event : list.events) out << AlmanacLine(event) << '\n';
    return;
  }
  ObserverPlace place;
  place.latitude_deg = *lat;
  place.longitude_deg = *lon;
  std::ostringstream messages;
  StreamPrompter prompter(messages);
  SkyEphemeris sky(&prompter);
  const VisibleEventList visible = KeepVisibleEvents(sky, place, list.events, limits);
  if (!visible.available) EphemerisUnavailable(messages.str());
  for (const VisibleEvent& v : visible.events) {
    out << AlmanacLine(v.event) << ' ' << Fixed(v.jupiter_altitude_deg, 1) << '\n';
  }
}

}  // namespace jovi::cli
