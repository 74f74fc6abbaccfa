// jovitrack-cli lighttime CSVFILE PERIOD [--plain]: the least-squares line through an exported
// event list's delays, for the teacher's answer key (the page never shows it to the student).
#include "analysis/light_time_fit.h"
#include "cli/commands.h"
#include "session/event_csv.h"
#include "util/atomic_file.h"

namespace jovi::cli {

void LightTimeCommand(const Args& args, std::ostream& out) {
  constexpr std::string_view kUsage = "jovitrack-cli lighttime CSVFILE PERIOD [--plain]";
  ExpectCount(args, 2, 3, kUsage);
  const std::optional<Real> period = ParseNumber(args[1]);
  if (!period || *period <= 0) throw UsageError("the period must be a positive number of days");
  if (args.size() == 3 && args[2] != "--plain") throw UsageError(std::string("usage: ") + std::string(kUsage));
  const bool allow = args.size() == 2;

  const FileBytes file = ReadWholeFile(args[0]);
  if (!file.Ok()) throw DataError(args[0] + ": cannot be read");
  // The file holds UT instants: read and taken back with the same zone, any zone will do.
  const EventCsvContent content = ReadEventCsv(file.bytes, 0);
  if (!content.Ok()) throw DataError(args[0] + ": " + content.Error);

  for (const EclipsePhase phase : {EclipsePhase::Entering, EclipsePhase::Leaving}) {
    const std::vector<LightTimeEvent> events = EventsOfPhase(content.Records, 0, phase);
    out << (phase == EclipsePhase::Entering ? "entering" : "leaving") << ' ' << events.size()
        << (events.size() == 1 ? " event" : " events");
    const std::optional<LightTimeModel> fit = BestLightTimeFit(events, *period, allow, phase);
    if (!fit) {
      out << ": no fit\n";
      continue;
    }
    const Real residual = LightTimeResidualSeconds(LightTimePoints(events, *fit, phase), *fit);
    out << ": period " << Fixed(fit->PeriodDays, 7) << " d, offset " << Fixed(fit->OffsetSeconds, 1)
        << " s, slope " << Fixed(fit->SlopeSecondsPerAU, 2) << " s per AU, speed of light "
        << Fixed(SpeedOfLightKmPerS(fit->SlopeSecondsPerAU), 0) << " km/s, residual "
        << Fixed(residual, 2) << " s\n";
  }
}

}  // namespace jovi::cli
