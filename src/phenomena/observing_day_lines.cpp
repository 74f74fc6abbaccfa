#include "phenomena/observing_day_lines.h"

#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/date_time.h"
#include "sky/rise_set.h"
#include "sky/sky_coordinates.h"
#include "util/number_text.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr std::size_t kLabelWidth = 18;
constexpr const char* kIndent = "     ";

std::string Label(const char* text) {
  std::string label = text;
  label.resize(std::max(label.size(), kLabelWidth), ' ');
  return kIndent + label;
}

std::string LocalDateText(const LocalDate& date) {
  DateTimeRec rec;
  rec.Year = date.year;
  rec.Month = static_cast<std::uint8_t>(date.month);
  rec.Day = static_cast<std::uint8_t>(date.day);
  return LongDateText(rec);
}

// "11:45 local = 10:45 UT (JD 2460330.948139)", with the offset in force at that time.
std::string When(Real jd_ut, const SiteZone& zone) {
  return LocalTimeText(jd_ut, ZoneHoursAt(zone, jd_ut)) + " local = " + LocalTimeText(jd_ut, 0) +
         " UT (JD " + FixedNumberText(jd_ut, 6) + ")";
}

// Why an event is missing: "none: Jupiter stays above the horizon all day".
std::string None(const DayEvents& e, const char* body) {
  if (e.always_up) return std::string("none: ") + body + " stays above the horizon all day";
  if (e.always_down) return std::string("none: ") + body + " stays below the horizon all day";
  return "none on this date";
}

void AddEvents(std::vector<std::string>& lines, const char* label,
               const std::vector<Real>& times, const DayEvents& e, const char* body,
               const SiteZone& zone) {
  if (times.empty()) {
    lines.push_back(Label(label) + None(e, body));
    return;
  }
  for (Real t : times) lines.push_back(Label(label) + When(t, zone));
}

// "local time = UT - 4 h (time zone America/New_York):"
std::string ZoneLine(const ObservingDay& day, const SiteZone& zone) {
  const std::string source = zone.name.empty() ? "by the options' time-zone difference"
                                               : "time zone " + zone.name;
  return "local time = " + ZoneText(day.zone_hours) + " (" + source + "):";
}

}  // namespace

std::vector<std::string> ObservingDayLines(const ObserverPlace& place, const ObservingDay& day,
                                           const SiteZone* site_zone) {
  const SiteZone zone = site_zone ? *site_zone : FixedZone(day.zone_hours);
  std::vector<std::string> lines = {
      "",
      "Rise, transit and set at " + PlaceText(place) + ", " + LocalDateText(day.date) + ",",
      ZoneLine(day, zone),
  };
  if (!day.jupiter.ok) {
    lines.push_back(Label("Jupiter:") +
                    "not available: Jupiter's place is not known for this date.");
  } else {
    AddEvents(lines, "Jupiter rises:", day.jupiter.rises, day.jupiter, "Jupiter", zone);
    for (std::size_t i = 0; i < day.jupiter.transits.size(); ++i) {
      const Real altitude =
          ApparentAltitude(day.jupiter.transit_altitudes_deg[i] * kRadiansPerDegree) /
          kRadiansPerDegree;
      char high[48];
      std::snprintf(high, sizeof high, ", %.0" JOVI_REAL_LEN "f\u00b0 high", altitude);
      lines.push_back(Label("Jupiter transits:") + When(day.jupiter.transits[i], zone) + high);
    }
    AddEvents(lines, "Jupiter sets:", day.jupiter.sets, day.jupiter, "Jupiter", zone);
  }
  if (!day.sun.ok) {
    lines.push_back(Label("Sun:") + "not available.");
  } else {
    AddEvents(lines, "Sunset:", day.sun.sets, day.sun, "the Sun", zone);
    AddEvents(lines, "Sunrise:", day.sun.rises, day.sun, "the Sun", zone);
  }
  return lines;
}

std::vector<std::string> ObservingDayLines(const std::optional<ObserverPlace>& place,
                                           const DateTimeRec& observation_time, double zone_hours,
                                           Prompter* prompter) {
  return ObservingDayLines(place, observation_time, FixedZone(zone_hours), prompter);
}

std::vector<std::string> ObservingDayLines(const std::optional<ObserverPlace>& place,
                                           const DateTimeRec& observation_time,
                                           const SiteZone& zone, Prompter* prompter) {
  if (!place) {
    return {
        "",
        kNoSiteLine,
        std::string(kIndent) + "Choose List > Observing Site... (or double-click here) to set one.",
    };
  }
  SkyEphemeris sky(prompter);
  const ZonedDate local = LocalDateAtSite(ToJD(observation_time), zone);
  return ObservingDayLines(*place, ComputeObservingDay(sky, *place, local.date, local.zone_hours),
                           &zone);
}

}  // namespace jovi
