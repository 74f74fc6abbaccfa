// The moons' events an observer can see: those when Jupiter stands high enough above the
// place's horizon in a dark enough sky (sky/visibility.h), each with Jupiter's altitude, and
// the limits as a person types them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac_listing.h"
#include "almanac/moon_events.h"
#include "sky/observer_place.h"
#include "sky/visibility.h"
#include "util/real.h"

namespace jovi {

// The limits a person may choose, degrees: Jupiter's altitude from the horizon to the zenith,
// the Sun's depression from sunset to the end of astronomical twilight.
inline constexpr Real kLowestMinAltitudeDeg = 0;
inline constexpr Real kHighestMinAltitudeDeg = 90;
inline constexpr Real kLeastSunBelowDeg = 0;
inline constexpr Real kMostSunBelowDeg = 18;

// A typed limit, read with the program's number rules ("10", "6.5"); nothing, and the reason
// in `error` when given, for any other text or a value outside its range.
std::optional<Real> ParseMinAltitude(std::string_view text, std::string* error = nullptr);
std::optional<Real> ParseSunBelow(std::string_view text, std::string* error = nullptr);

// Both limits as typed in the window: each good one is taken into `limits`, a refused one
// leaves its limit as it was. The reason the first refused one gives, with its full stop, or ""
// when both were taken.
std::string ReadVisibilityLimits(std::string_view min_alt, std::string_view sun_below,
                                 VisibilityLimits& limits);

struct VisibleEvent {
  MoonEvent event;
  Real jupiter_altitude_deg = 0;  // apparent, at the event's instant
};

struct VisibleEventList {
  std::vector<VisibleEvent> events;  // the visible ones, in the order given
  // False when Jupiter's place was not known at some event's date (that event is left out).
  bool available = true;

  std::vector<MoonEvent> Events() const;
};

// The events seen from `place` within `limits`, judged at each event's own instant.
VisibleEventList KeepVisibleEvents(SkyEphemeris& sky, const ObserverPlace& place,
                                   const std::vector<MoonEvent>& events,
                                   const VisibilityLimits& limits = {});

// "23": an altitude in whole degrees.
std::string WholeDegreesText(Real degrees);

// The almanac column "Alt": Jupiter's altitude in whole degrees, right-aligned, for the
// events of `list` (blank for any other event).
AlmanacColumn JupiterAltitudeColumn(const VisibleEventList& list);

// The visible list's two heading lines: "Visible from Amsterdam (52.37° N, 4.89° E)." and
// "Jupiter at least 10° high, the Sun at least 6° below the horizon; Alt: Jupiter's, in °."
std::vector<std::string> VisibilityHeadings(const ObserverPlace& place,
                                            const VisibilityLimits& limits);

// "10", "12.5": a limit as the headings and the window's fields show it.
std::string LimitText(Real degrees);

// Puts a heading line into a report before line `at` (clamped to the lines' end).
void InsertHeading(AlmanacReport& report, std::size_t at, std::string line);

}  // namespace jovi
