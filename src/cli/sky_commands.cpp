// The observer's sky: `sky` (Jupiter and the Sun at one instant) and `riseset` (one local day).
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/stream_prompter.h"
#include "sky/observer_place.h"
#include "sky/observing_day.h"
#include "sky/sky_ephemeris.h"
#include "util/real.h"

namespace jovi::cli {

namespace {

constexpr const char* kSkyUsage = "jovitrack-cli sky JD --lat DEG --lon DEG";
constexpr const char* kRiseSetUsage =
    "jovitrack-cli riseset YYYY/MM/DD --lat DEG --lon DEG [--zone HOURS]";

struct PlaceOptions {
  ObserverPlace place;
  double zone_hours = 0;
};

// The options after the first argument: --lat and --lon once each (required), --zone once
// when `zone_allowed`.
PlaceOptions ParsePlaceOptions(const Args& args, bool zone_allowed, const char* usage) {
  PlaceOptions o;
  bool lat = false, lon = false, zone = false;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    const std::string& flag = args[i];
    if (i + 1 >= args.size()) throw UsageError("usage: " + std::string(usage));
    const std::string& value = args[i + 1];
    if (flag == "--lat" && !lat) {
      o.place.latitude_deg = LatitudeArg(value);
      lat = true;
    } else if (flag == "--lon" && !lon) {
      o.place.longitude_deg = LongitudeArg(value);
      lon = true;
    } else if (flag == "--zone" && zone_allowed && !zone) {
      const auto v = ParseNumber(value);
      if (!v || *v < -14 || *v > 14) {
        throw UsageError("not a time-zone difference (UT minus local time, -14 to 14 hours): " +
                         value);
      }
      o.zone_hours = static_cast<double>(*v);
      zone = true;
    } else {
      throw UsageError("usage: " + std::string(usage));
    }
  }
  if (!lat || !lon) throw UsageError("usage: " + std::string(usage));
  return o;
}

void PrintEvents(std::ostream& out, const char* name, const std::vector<Real>& times,
                 double zone_hours) {
  if (times.empty()) {
    out << name << " none\n";
    return;
  }
  for (Real t : times) {
    out << name << ' ' << LocalDateTimeText(t, zone_hours) << ' ' << Fixed(t, 6) << '\n';
  }
}

}  // namespace

void SkyCommand(const Args& args, std::ostream& out) {
  if (args.empty()) throw UsageError("usage: " + std::string(kSkyUsage));
  const Real jd = ParseJD(args[0]);
  const PlaceOptions o = ParsePlaceOptions(args, false, kSkyUsage);
  std::ostringstream messages;
  StreamPrompter prompter(messages);
  SkyEphemeris sky(&prompter);
  const std::optional<SkyPosition> jupiter = sky.Where(SkyBody::Jupiter, o.place, jd);
  if (!jupiter) EphemerisUnavailable(messages.str());
  const std::optional<SkyPosition> sun = sky.Where(SkyBody::Sun, o.place, jd);
  out << Fixed(jupiter->ra_hours, 6) << '\n'
      << Fixed(jupiter->dec_deg, 5) << '\n'
      << Fixed(jupiter->altitude_deg, 4) << '\n'
      << Fixed(jupiter->azimuth_deg, 4) << '\n'
      << Fixed(sun->true_altitude_deg, 4) << '\n';
}

void RiseSetCommand(const Args& args, std::ostream& out) {
  if (args.empty()) throw UsageError("usage: " + std::string(kRiseSetUsage));
  const DateTimeRec rec = ParseDateTime(args[0], "");
  const PlaceOptions o = ParsePlaceOptions(args, true, kRiseSetUsage);
  std::ostringstream messages;
  StreamPrompter prompter(messages);
  SkyEphemeris sky(&prompter);
  const ObservingDay day =
      ComputeObservingDay(sky, o.place, LocalDate{rec.Year, rec.Month, rec.Day}, o.zone_hours);
  if (!day.ok()) EphemerisUnavailable(messages.str());
  PrintEvents(out, "jupiter-rise", day.jupiter.rises, o.zone_hours);
  PrintEvents(out, "jupiter-transit", day.jupiter.transits, o.zone_hours);
  PrintEvents(out, "jupiter-set", day.jupiter.sets, o.zone_hours);
  PrintEvents(out, "sun-rise", day.sun.rises, o.zone_hours);
  PrintEvents(out, "sun-set", day.sun.sets, o.zone_hours);
}

}  // namespace jovi::cli
