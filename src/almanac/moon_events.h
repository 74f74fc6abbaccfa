// The moons' almanac: every eclipse, occultation, transit and shadow transit of the four
// Galilean moons over an interval of UT, found from the satellite scene (the one source of
// truth, so the list agrees with what the telescope shows).
//
// The record and the query are meant to grow: a kind is one row of MoonEventKinds() and one
// bit of MoonEventKindSet, so a new kind (the mutual events) adds a row and its own search;
// the listing (almanac_listing.h) takes optional extra columns per event.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/mutual_events.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

// The four kinds of the moons' events with Jupiter, each with a beginning and an end.
enum class MoonEventKind : std::uint8_t {
  Eclipse,        // Ec: the moon's centre in Jupiter's shadow (the scene's Eclipsed)
  Occultation,    // Oc: behind the disc as seen from the Earth (Occulted)
  Transit,        // Tr: in front of the disc (Z < 0 and inside the flattened disc)
  ShadowTransit,  // Sh: its shadow on the disc (ShadowOnDisc)
};
inline constexpr std::size_t kMoonEventKindCount = 4;

struct MoonEventKindInfo {
  MoonEventKind kind;
  std::string_view code;        // "Ec", as published almanacs print it
  std::string_view begin_code;  // "D" (disappearance) or "I" (ingress)
  std::string_view end_code;    // "R" (reappearance) or "E" (egress)
  std::string_view title;       // the window's choice: "Eclipses"
  std::string_view begin_text;  // "@ disappears into Jupiter's shadow" (@: the moon's name)
  std::string_view end_text;    // "@ reappears from Jupiter's shadow"
};

// Every kind in the order the window offers them.
const std::array<MoonEventKindInfo, kMoonEventKindCount>& MoonEventKinds();
const MoonEventKindInfo& KindInfo(MoonEventKind kind);

// A choice of kinds.
class MoonEventKindSet {
 public:
  static MoonEventKindSet All() { return MoonEventKindSet(~0ULL); }
  static MoonEventKindSet None() { return MoonEventKindSet(0); }
  bool Has(MoonEventKind kind) const { return bits_.test(static_cast<std::size_t>(kind)); }
  MoonEventKindSet& Set(MoonEventKind kind, bool on = true) {
    bits_.set(static_cast<std::size_t>(kind), on);
    return *this;
  }
  bool Empty() const { return bits_.none(); }
  bool operator==(const MoonEventKindSet&) const = default;

 private:
  explicit MoonEventKindSet(unsigned long long bits) : bits_(bits) {}
  std::bitset<kMoonEventKindCount> bits_;
};

// One event: a moon's centre crossing the limb of the disc, seen from the Earth (occultation,
// transit) or from the Sun (eclipse, shadow transit).
struct MoonEvent {
  Real jd = 0;  // UT, refined to a fraction of a second
  int moon = 1;        // 1 Io, 2 Europa, 3 Ganymede, 4 Callisto
  MoonEventKind kind = MoonEventKind::Eclipse;
  bool begins = true;  // D or I; false: R or E
  // Not seen from the Earth: an eclipse event while the moon is behind the disc, or an
  // occultation event while it is in the shadow.
  bool hidden = false;
  // A mutual event listed beside these (moon is b, jd its beginning; see almanac_listing.h).
  std::optional<MutualEvent> mutual;
};

// "I" .. "IV"; empty outside 1..4.
std::string_view MoonNumeral(int moon);
// "Io" .. "Callisto" (the analysis has its own MoonName, with the numeral).
std::string_view GalileanMoonName(int moon);
// "I.Ec.D", as published almanacs print it.
std::string MoonEventCode(const MoonEvent& event);
// The event in words: "Io disappears into Jupiter's shadow".
std::string MoonEventText(const MoonEvent& event);

struct MoonEventQuery {
  Real from_ut = 0;  // Julian dates, UT; an event at either end (to the second) is in
  Real to_ut = 0;
  std::array<bool, 4> moons{true, true, true, true};
  MoonEventKindSet kinds = MoonEventKindSet::All();
  bool include_hidden = false;  // the events an observer on the Earth cannot see, marked hidden
};

struct MoonEventList {
  std::vector<MoonEvent> events;  // in time order
  std::string error;              // empty when the search went through
  long scene_computations = 0;    // the work done, for the benchmark and the tests
  bool Ok() const { return error.empty(); }
};

// The longest interval one search covers.
inline constexpr Real kLongestMoonEventSpanDays = 3660;

// The events of the query's moons and kinds in [from_ut, to_ut], in time order. A bad query
// (the end before the start, a span over kLongestMoonEventSpanDays) or a scene that cannot be
// computed (Jupiter's ephemeris out of range) gives an empty list and the error; the first
// message of the ephemeris goes to `prompter`.
MoonEventList FindMoonEvents(const MoonEventQuery& query, Prompter& prompter);

// The search's own figures, for the note and the tests (see moon_events.cpp).
struct MoonEventSearchFigures {
  Real node_step_days;        // the scene is computed on this grid of UT
  Real sub_step_days;         // the interpolated motion is examined this often
  Real scene_jump;            // the scene's largest jump allowed for, Jupiter radii
  std::array<Real, 4> band;   // bound of the interpolation error, jumps included
  std::array<Real, 4> speed;  // bound of the speed across the disc, radii per day
};
MoonEventSearchFigures MoonEventSearchParameters();

}  // namespace jovi
