// The dates of the default hotlist shipped beside the program, computed with the program's own
// phenomena and satellite scene: oppositions of Jupiter to start an orbit run, eclipses of Io
// in view near opposition and near quadrature for timing the light time, two historic dates,
// and the deepest mutual events of the moons near the opposition of their season.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "almanac/mutual_events.h"
#include "lists/hotlist_entry.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

// Io inside Jupiter's shadow and not behind the disc, at a UT Julian date.
bool IoEclipseInView(Real jd, Prompter& prompter);

// Jupiter's elongation from the Sun less `target` (radians, within a half turn) at a UT
// Julian date: 0 at opposition for pi, at the east quadrature for pi/2, the west for -pi/2;
// NaN when the Jupiter ephemeris fails (after its message).
Real ElongationFrom(Real target, Real jd, Prompter& prompter);

// A whole minute within the first eclipse of Io in view that begins in the `days` after
// `from` (a few minutes after it begins); nothing when there is none.
std::optional<Real> IoEclipseAfter(Real from, Real days, Prompter& prompter);

// The entries' comments, by which the entries are told apart.
namespace hotlist_comment {
inline constexpr const char* kOpposition = "Jupiter at opposition: start an orbit run";
inline constexpr const char* kAfterOpposition = "Io in eclipse, two weeks after opposition";
inline constexpr const char* kEastQuadrature = "Io in eclipse, near east quadrature";
inline constexpr const char* kWestQuadrature = "Io in eclipse, near west quadrature";
inline constexpr const char* kLightTime1676 = "Io in eclipse, November 1676 (light-time era)";
inline constexpr const char* kDiscovery1610 = "January 1610: the moons first seen by telescope";
}  // namespace hotlist_comment

// The `count` deepest visible mutual events whose middle lies within `days` of `opposition`
// (UT), deepest first.
std::vector<MutualEvent> DeepestMutualEvents(Real opposition, Real days, int count);
// What the hotlist says of a mutual event: "Ganymede eclipses Io (3E1P), 70% lost".
std::string MutualEventComment(const MutualEvent& event);
// The whole minute a mutual event's entry sets: a few minutes before it begins.
Real MutualEventEntryJD(const MutualEvent& event);
// The season whose deepest events the default hotlist holds, and how many it holds.
inline constexpr int kMutualSeasonOppositionYear = 2027;
inline constexpr Real kMutualSeasonDays = 30;
inline constexpr int kMutualSeasonEntries = 4;

// The default hotlist for the oppositions of `first_year` to `last_year`, in time order.
std::vector<HotlistEntry> DefaultHotlistDates(int first_year, int last_year, Prompter& prompter);

// UT Julian date and date-time serial (zone 0) of each other.
double SerialOfJD(Real jd);
Real JDOfSerial(double serial);

}  // namespace jovi
