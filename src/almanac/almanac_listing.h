// The Moon Events window's rules: the span it covers, the filter of moons and kinds, the
// lines it shows (times to the minute, as published almanacs print them) and the observation
// time a chosen event sets. No window code.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "almanac/moon_events.h"
#include "util/real.h"

namespace jovi {

// One day to one year; a week when the window first opens.
inline constexpr int kFewestAlmanacDays = 1;
inline constexpr int kMostAlmanacDays = 366;
inline constexpr int kDefaultAlmanacDays = 7;
// Go To sets the observation time this many minutes before the event's listed minute.
inline constexpr int kGoToLeadMinutes = 5;

int ClampAlmanacDays(int days);

// Which of the found events the window lists.
struct AlmanacFilter {
  std::array<bool, 4> moons{true, true, true, true};
  MoonEventKindSet kinds = MoonEventKindSet::All();
  bool show_hidden = false;
  // The moons' mutual events, listed when either moon of the pair is chosen (off at first).
  bool mutual = false;

  bool Lists(const MoonEvent& event) const;
};

// An optional column after the event's code (Jupiter's altitude from the observer's place, a
// mutual event's depth): its heading, and its text for each event (padded to the heading).
struct AlmanacColumn {
  std::string heading;
  std::function<std::string(const MoonEvent&)> text;
};

// The window's lines and, for each line, the listed event it shows (-1 for the headings).
struct AlmanacReport {
  std::vector<std::string> lines;
  std::vector<int> event_of_line;
  std::vector<MoonEvent> events;  // the listed ones, in time order
};

// "2016/01/01 15:39": a UT instant to the nearest minute.
std::string MinuteText(Real jd);
// The event's instant rounded to its listed minute.
Real ListedMinute(const MoonEvent& event);

// The lines for the events found over [from_ut, from_ut + days] (every moon and kind, the
// hidden ones included), as the filter chooses them.
AlmanacReport AlmanacLines(const std::vector<MoonEvent>& found, Real from_ut, int days,
                           const AlmanacFilter& filter,
                           const std::vector<AlmanacColumn>& extra_columns = {});

// "Ganymede eclipses Io", "Io occults Europa".
std::string MutualEventWords(const MutualEvent& event);
// A mutual event as the window lists it: at its beginning, under b, hidden when b is behind
// Jupiter or in its shadow or loses less light than the threshold.
MoonEvent ListedMutualEvent(const MutualEvent& event);
// The found events with the mutual ones merged among them in time order.
std::vector<MoonEvent> WithMutualEvents(std::vector<MoonEvent> found,
                                        const std::vector<MutualEvent>& mutual);

// The UT instant Go To sets for an event: kGoToLeadMinutes before its listed minute.
Real GoToInstant(const MoonEvent& event);

}  // namespace jovi
