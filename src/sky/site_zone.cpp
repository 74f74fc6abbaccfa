#include "sky/site_zone.h"

#include <cmath>

namespace jovi {

double ZoneHoursAt(const SiteZone& zone, Real jd_ut) {
  if (!zone.zone_hours_at) return 0;
  const double hours = zone.zone_hours_at(jd_ut);
  return std::isfinite(hours) && std::fabs(hours) <= 24 ? hours : 0;
}

SiteZone FixedZone(double zone_hours) {
  return {"", [zone_hours](Real) { return zone_hours; }};
}

SiteZone ZoneChangingAt(std::string name, Real change_jd, double before, double after) {
  return {std::move(name),
          [=](Real jd_ut) { return jd_ut < change_jd ? before : after; }};
}

ZonedDate LocalDateAtSite(Real jd_ut, const SiteZone& zone) {
  ZonedDate zoned;
  zoned.date = LocalDateOf(jd_ut, ZoneHoursAt(zone, jd_ut));
  // Offsets change at night, so the one at local noon is the day's: the one its evening and
  // its events are mostly seen in.
  const double first_guess = ZoneHoursAt(zone, jd_ut);
  zoned.zone_hours = ZoneHoursAt(zone, LocalDayStart(zoned.date, first_guess) + 0.5_r);
  return zoned;
}

}  // namespace jovi
