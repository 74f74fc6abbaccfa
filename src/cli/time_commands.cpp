#include "astro/date_time.h"
#include "astro/time_scales.h"
#include "cli/commands.h"
#include "util/real.h"

namespace jovi::cli {

void JulianDateCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 2, "jovitrack-cli jd YYYY/MM/DD [hh:mm:ss]");
  const DateTimeRec rec = ParseDateTime(args[0], args.size() > 1 ? args[1] : "");
  out << Fixed(ToJD(rec), 6) << '\n';
}

void CalendarDateCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 1, "jovitrack-cli date JD");
  out << DateTimeText(ParseJD(args[0])) << '\n';
}

void DeltaTCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 1, "jovitrack-cli deltat JD");
  out << Fixed(DeltaT(ParseJD(args[0])) * 86400.0_r, 3) << '\n';
}

}  // namespace jovi::cli
