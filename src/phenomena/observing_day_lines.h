// The lines the phenomena list adds after its own for the observer's place: Jupiter's rising,
// transit and setting and the Sun's setting and rising on the observation date, in the site's
// local time (its own time zone, or the options' time-zone difference) and in UT.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "sky/observer_place.h"
#include "sky/observing_day.h"
#include "sky/site_zone.h"
#include "util/prompter.h"

namespace jovi {

// The first line of the block, by which the window knows where it starts.
inline constexpr const char* kNoSiteLine = "Rise, transit and set: no observing site is set.";

// The local date is the one the observation instant (UT) falls on in local time; zone_hours is
// UT minus local time. Without a place the lines say so and how to set one. Messages of the
// Jupiter ephemeris go to `prompter` (the program's when null).
std::vector<std::string> ObservingDayLines(const std::optional<ObserverPlace>& place,
                                           const DateTimeRec& observation_time, double zone_hours,
                                           Prompter* prompter = nullptr);

// The same in the site's own time zone: the local date is the one the instant falls on there,
// and each time is written with the offset in force at that time.
std::vector<std::string> ObservingDayLines(const std::optional<ObserverPlace>& place,
                                           const DateTimeRec& observation_time,
                                           const SiteZone& zone, Prompter* prompter = nullptr);

// The lines for a day already worked out (by the options' time-zone difference when `zone` is
// not given).
std::vector<std::string> ObservingDayLines(const ObserverPlace& place, const ObservingDay& day,
                                           const SiteZone* zone = nullptr);

}  // namespace jovi
