// The sub-commands of jovitrack-cli. Each takes its arguments (after its own name), writes
// its answer to `out` and throws UsageError for bad input, DataError when the data files fail
// (a missing or damaged coefficient file: the scene, table, events and phenomena stop there).
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "almanac/moon_events.h"
#include "cli/cli_support.h"

namespace jovi::cli {

struct Command {
  std::string_view name;
  std::string_view usage;
  void (*run)(const Args& args, std::ostream& out);
};

// Time scales and calendar.
void JulianDateCommand(const Args& args, std::ostream& out);
void CalendarDateCommand(const Args& args, std::ostream& out);
void DeltaTCommand(const Args& args, std::ostream& out);

// The Sun and Jupiter.
void SunCommand(const Args& args, std::ostream& out);
void JupiterCommand(const Args& args, std::ostream& out);

// The Galilean satellites.
void SceneCommand(const Args& args, std::ostream& out);
void TableCommand(const Args& args, std::ostream& out);
void EventsCommand(const Args& args, std::ostream& out);

// The moons' mutual events.
void MutualCommand(const Args& args, std::ostream& out);

// The moons' almanac; AlmanacLine is one event as the command prints it.
std::string AlmanacLine(const MoonEvent& event);
void AlmanacCommand(const Args& args, std::ostream& out);

// Jupiter's phenomena.
void PhenomenaCommand(const Args& args, std::ostream& out);

// The observer's sky.
void SkyCommand(const Args& args, std::ostream& out);
void RiseSetCommand(const Args& args, std::ostream& out);

// The least-squares light time of an exported event list.
void LightTimeCommand(const Args& args, std::ostream& out);

// The options file as the program's options dialog shows it.
void OptionsCommand(const Args& args, std::ostream& out);

}  // namespace jovi::cli
