// The observing site's time zone: which difference of UT and local time holds at an instant.
// The desktop takes it from the system's zone database (with daylight saving for the date);
// the options' fixed time-zone difference is the simplest rule. The rule itself decides only
// the offset; which offset a local date, an event or a heading uses is decided here.
#pragma once

#include <functional>
#include <string>

#include "sky/rise_set.h"
#include "util/real.h"

namespace jovi {

struct SiteZone {
  // "America/New_York"; empty for the options' time-zone difference.
  std::string name;
  // Hours of UT minus local time in force at a UT Julian date (5 for New York in January,
  // 4 in July).
  std::function<double(Real jd_ut)> zone_hours_at;
};

// The rule's offset at an instant; a rule missing or giving no usable answer counts as UT.
double ZoneHoursAt(const SiteZone& zone, Real jd_ut);

// The options' time-zone difference, the same at every instant.
SiteZone FixedZone(double zone_hours);

// A zone that changes at UT Julian date `change_jd` from `before` to `after` hours (a rule for
// tests and for a zone given by its two offsets of the year).
SiteZone ZoneChangingAt(std::string name, Real change_jd, double before, double after);

// The local date at the site of a UT instant, and the difference that holds over that date
// (the one in force at its local noon).
struct ZonedDate {
  LocalDate date;
  double zone_hours = 0;
};
ZonedDate LocalDateAtSite(Real jd_ut, const SiteZone& zone);

}  // namespace jovi
