// One local day at one place: Jupiter's rising, transit and setting and the Sun's rising and
// setting, with the horizon altitudes of sky/rise_set.h.
#pragma once

#include "sky/observer_place.h"
#include "sky/rise_set.h"
#include "sky/sky_ephemeris.h"
#include "util/real.h"

namespace jovi {

struct ObservingDay {
  LocalDate date;
  double zone_hours = 0;  // UT minus local time
  Real start_ut = 0;
  DayEvents jupiter;
  DayEvents sun;
  bool ok() const { return jupiter.ok && sun.ok; }
};

ObservingDay ComputeObservingDay(SkyEphemeris& sky, const ObserverPlace& place,
                                 const LocalDate& date, double zone_hours);

}  // namespace jovi
