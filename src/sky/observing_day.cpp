#include "sky/observing_day.h"

#include "util/real.h"

namespace jovi {

ObservingDay ComputeObservingDay(SkyEphemeris& sky, const ObserverPlace& place,
                                 const LocalDate& date, double zone_hours) {
  ObservingDay day;
  day.date = date;
  day.zone_hours = zone_hours;
  day.start_ut = LocalDayStart(date, zone_hours);
  const PositionAt jupiter = [&sky](Real t) { return sky.Apparent(SkyBody::Jupiter, t); };
  const PositionAt sun = [&sky](Real t) { return sky.Apparent(SkyBody::Sun, t); };
  day.jupiter = RiseTransitSet(jupiter, place, day.start_ut, kPlanetHorizonDeg);
  // The Jupiter ephemeris reports a date it does not serve once; the Sun is still worked out.
  day.sun = RiseTransitSet(sun, place, day.start_ut, kSunHorizonDeg);
  return day;
}

}  // namespace jovi
