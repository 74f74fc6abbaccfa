#include <sstream>
#include <string>

#include "astro/planet_body.h"
#include "astro/sun_body.h"
#include "cli/commands.h"
#include "cli/stream_prompter.h"
#include "util/real.h"

namespace jovi::cli {

void SunCommand(const Args& args, std::ostream& out) {
  constexpr const char* kUsage = "jovitrack-cli sun JD [--apparent]";
  ExpectCount(args, 1, 2, kUsage);
  const bool apparent = args.size() == 2;
  if (apparent && args[1] != "--apparent") throw UsageError("usage: " + std::string(kUsage));
  const Real jd = ParseJD(args[0]);
  const SunBody sun(apparent ? kApparent : kGeometric);
  out << Fixed(SunLongitude(sun, jd), 9) << '\n' << Fixed(SunRadius(sun, jd), 9) << '\n';
}

void JupiterCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 1, "jovitrack-cli jupiter JD");
  const Real jd = ParseJD(args[0]);
  // A date the ephemeris does not serve (status 2), or a missing or damaged coefficient file
  // (status 1), is the one line on stderr: the body's own message.
  std::ostringstream messages;
  StreamPrompter prompter(messages);
  PlanetBody jupiter(kGeometric, &prompter);
  if (!jupiter.IsAvailable(jd)) {
    std::string message = messages.str();
    while (!message.empty() && message.back() == '\n') message.pop_back();
    if (jupiter.FileError) throw DataError(message);
    throw UsageError(message);
  }
  PositionRec helio, geo;
  Real r = 0, delta = 0;
  jupiter.HeliocentricPosition(jd, helio, r);
  jupiter.GeocentricPosition(jd, geo, delta);
  Real system_i = 0, system_ii = 0;
  CentralMeridians(jd, system_i, system_ii);
  for (Real v : {helio.Longitude, helio.Latitude, r, geo.Longitude, geo.Latitude, delta,
                        system_i, system_ii}) {
    out << Fixed(v, 9) << '\n';
  }
}

}  // namespace jovi::cli
