#include "cli/cli.h"

#include <array>
#include <string_view>

#include "cli/commands.h"
#include "jovi_version.h"

namespace jovi::cli {

namespace {

constexpr std::array kCommands = {
    Command{"jd", "jd YYYY/MM/DD [hh:mm:ss]   Julian date of a UT instant", JulianDateCommand},
    Command{"date", "date JD                    UT calendar date and time of a Julian date",
            CalendarDateCommand},
    Command{"deltat", "deltat JD                  TDT - UT in seconds", DeltaTCommand},
    Command{"sun",
            "sun JD [--apparent]        the Sun's longitude (rad) and distance (AU) at a "
            "dynamical JD",
            SunCommand},
    Command{"jupiter",
            "jupiter JD                 Jupiter at a dynamical JD: l b r, lambda beta Delta, "
            "System I and II",
            JupiterCommand},
    Command{"scene", "scene JD [--tdt]           the four moons at a UT (or dynamical) JD",
            SceneCommand},
    Command{"table",
            "table FROM TO STEP_HOURS   what a perfect observer measures, as measurement CSV",
            TableCommand},
    Command{"events",
            "events FROM TO [--moon N]  the instants (UT) moons enter and leave Jupiter's shadow",
            EventsCommand},
    Command{"mutual",
            "mutual FROM TO [--all] [--min-drop F]  the moons' mutual occultations and "
            "eclipses (UT)",
            MutualCommand},
    Command{"almanac",
            "almanac FROM TO [--moon N] [--all]  the moons' eclipses, occultations, transits and "
            "shadow transits (UT)\n"
            "                             [--lat DEG --lon DEG [--min-alt DEG] [--sun-below DEG]]\n"
            "                             only those seen from the place (Jupiter 10 deg up and\n"
            "                             the Sun 6 deg down unless given), each line ending in\n"
            "                             Jupiter's altitude (deg)",
            AlmanacCommand},
    Command{"phenomena",
            "phenomena JD               Jupiter's opposition, conjunction and quadratures near a "
            "UT JD",
            PhenomenaCommand},
    Command{"sky",
            "sky JD --lat DEG --lon DEG\n"
            "                             Jupiter's RA (h), Dec, altitude and azimuth (deg, north 0,\n"
            "                             east 90) and the Sun's altitude, at a UT JD",
            SkyCommand},
    Command{"riseset",
            "riseset YYYY/MM/DD --lat DEG --lon DEG [--zone HOURS]\n"
            "                             Jupiter's rise, transit and set and the Sun's rise and set\n"
            "                             on a local date (HOURS: UT minus local time, 0 unless given)",
            RiseSetCommand},
    Command{"lighttime",
            "lighttime CSVFILE PERIOD [--plain]\n"
            "                             the least-squares line through an exported event list's\n"
            "                             delays from the period (days), each kind of eclipse apart,\n"
            "                             allowing for the eclipses' irregularities unless --plain",
            LightTimeCommand},
    Command{"options",
            "options FILE               an options file (JUP_OPTS.INI) as the program's options\n"
            "                             dialog shows it, one CONTROL=VALUE a line",
            OptionsCommand},
};

// The one list of the commands: the manual page is made from it too.
void PrintUsage(std::ostream& out) {
  out << "Usage: jovitrack-cli COMMAND ARGS...\n"
         "Answers from Jovitrack's astronomy as plain text, one value per line.\n"
         "\n"
         "Commands:\n";
  for (const Command& c : kCommands) out << "  " << c.usage << '\n';
  out << "\n"
         "Options:\n"
         "  -h, --help                 print this list and exit\n"
         "  --version                  print the version and exit\n";
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(args.empty() ? err : out);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    out << "jovitrack-cli " JOVI_VERSION "\n";
    return 0;
  }
  for (const Command& c : kCommands) {
    if (args[0] != c.name) continue;
    try {
      c.run(Args(args.begin() + 1, args.end()), out);
      return 0;
    } catch (const UsageError& e) {
      err << "jovitrack-cli " << c.name << ": " << e.what() << '\n';
      return 2;
    } catch (const DataError& e) {
      err << "jovitrack-cli " << c.name << ": " << e.what() << '\n';
      return 1;
    }
  }
  err << "jovitrack-cli: unknown command '" << args[0] << "' (try --help)\n";
  return 2;
}

}  // namespace jovi::cli
