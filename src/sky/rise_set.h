// Rising, upper transit and setting of a body on one local day, and the local calendar day
// itself.
//
// Horizon altitudes: a body rises or sets when the true (airless) altitude of its centre is
// h0, the convention of the astronomical almanacs (Meeus, Astronomical Algorithms, ch. 15):
//   - the Sun, h0 = -0deg 50': the upper limb on the horizon (semi-diameter 16') seen through
//     the standard horizontal refraction of 34';
//   - Jupiter, h0 = -0deg 34': the refraction alone; its disc (under 25" in radius) is a point
//     at this precision.
// The transit is the upper culmination, hour angle 0, whether the body is then above the
// horizon or not.
//
// The search, for a day [start, start + 1) in UT: the hour angle at every whole hour from 2 h
// before the day to 2 h after it brackets every upper and lower transit (the hour angle grows
// by about 15 degrees an hour), each found by bisection. Between successive transits the
// altitude rises or falls steadily, so the transits and the hourly instants together bracket
// every crossing of h0, each found by bisection too. Each bisection stops at 0.1 s or after
// 60 halvings, whichever comes first; nothing else iterates, and a position that cannot be had
// ends the search at once (`ok` false). A day with no rising and no setting is one where the
// body stays above h0 (always_up) or below it (always_down) throughout.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sky/observer_place.h"
#include "sky/sky_coordinates.h"
#include "util/real.h"

namespace jovi {

inline constexpr Real kSunHorizonDeg = -50.0_r / 60;
inline constexpr Real kPlanetHorizonDeg = -34.0_r / 60;

// The apparent right ascension and declination at a UT instant, or nothing.
using PositionAt = std::function<std::optional<Equatorial>(Real jd_ut)>;

struct DayEvents {
  bool ok = false;                 // false: a position could not be had
  std::vector<Real> rises;  // UT Julian dates within the day, in order
  std::vector<Real> transits;
  std::vector<Real> sets;
  std::vector<Real> transit_altitudes_deg;  // true altitude at each transit
  bool always_up = false;                          // neither rises nor sets: above h0 the whole day
  bool always_down = false;                        // neither rises nor sets: below h0 the whole day
};

DayEvents RiseTransitSet(const PositionAt& position, const ObserverPlace& place,
                         Real day_start_ut, Real horizon_deg);

// A calendar date of the local time; years -4000 .. 8000 as the program's calendar.
struct LocalDate {
  std::int32_t year = 2000;
  int month = 1;
  int day = 1;
};

// Time-zone differences are hours of UT minus local time, as the options' "Time Zone
// Difference" (5 for US Eastern Standard Time, -1 for Central European Time).
// The UT Julian date at which a local date begins (local midnight).
Real LocalDayStart(const LocalDate& date, double zone_hours);
// The local date of a UT instant.
LocalDate LocalDateOf(Real jd_ut, double zone_hours);
// "2024/01/21 13:45": a UT instant in local time, to the nearest minute.
std::string LocalDateTimeText(Real jd_ut, double zone_hours);
// "13:45" alone.
std::string LocalTimeText(Real jd_ut, double zone_hours);
// "UT - 5 h", "UT + 1 h", "UT + 5.5 h", "UT": how local time is made from UT.
std::string ZoneText(double zone_hours);

}  // namespace jovi
