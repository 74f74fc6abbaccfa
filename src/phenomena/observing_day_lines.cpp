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

// "11:45 local = 10:45 UT (JD 2460330.948139)"
std::string When(Real jd_ut, double zone_hours) {
  return LocalTimeText(jd_ut, zone_hours) + " local = " + LocalTimeText(jd_ut, 0) + " UT (JD " +
         FixedNumberText(jd_ut, 6) + ")";
}

// Why an event is missing: "none: Jupiter stays above the horizon all day".
std::string None(const DayEvents& e, const char* body) {
  if (e.always_up) return std::string("none: ") + body + " stays above the horizon all day";
  if (e.always_down) return std::string("none: ") + body + " stays below the horizon all day";
  return "none on this date";
}

void AddEvents(std::vector<std::string>& lines, const char* label,
               const std::vector<Real>& times, const DayEvents& e, const char* body,
               double zone_hours) {
  if (times.empty()) {
    lines.push_back(Label(label) + None(e, body));
    return;
  }
  for (Real t : times) lines.push_back(Label(label) + When(t, zone_hours));
}

}  // namespace

std::vector<std::string> ObservingDayLines(const ObserverPlace& place, const ObservingDay& day) {
  std::vector<std::string> lines = {
      "",
      "Rise, transit and set at " + PlaceText(place) + ", " + LocalDateText(day.date) + ",",
      "local time = " + ZoneText(day.zone_hours) + " (by the options' time-zone difference):",
  };
  if (!day.jupiter.ok) {
    lines.push_back(Label("Jupiter:") +
                    "not available: Jupiter's place is not known for this date.");
  } else {
    AddEvents(lines, "Jupiter rises:", day.jupiter.rises, day.jupiter, "Jupiter", day.zone_hours);
    for (std::size_t i = 0; i < day.jupiter.transits.size(); ++i) {
      const Real altitude =
          ApparentAltitude(day.jupiter.transit_altitudes_deg[i] * kRadiansPerDegree) /
          kRadiansPerDegree;
      char high[48];
      std::snprintf(high, sizeof high, ", %.0" JOVI_REAL_LEN "f\u00b0 high", altitude);
      lines.push_back(Label("Jupiter transits:") + When(day.jupiter.transits[i], day.zone_hours) +
                      high);
    }
    AddEvents(lines, "Jupiter sets:", day.jupiter.sets, day.jupiter, "Jupiter", day.zone_hours);
  }
  if (!day.sun.ok) {
    lines.push_back(Label("Sun:") + "not available.");
  } else {
    AddEvents(lines, "Sunset:", day.sun.sets, day.sun, "the Sun", day.zone_hours);
    AddEvents(lines, "Sunrise:", day.sun.rises, day.sun, "the Sun", day.zone_hours);
  }
  return lines;
}

std::vector<std::string> ObservingDayLines(const std::optional<ObserverPlace>& place,
                                           const DateTimeRec& observation_time, double zone_hours,
                                           Prompter* prompter) {
  if (!place) {
    return {
        "",
        kNoSiteLine,
        std::string(kIndent) + "Choose List > Observing Site... (or double-click here) to set one.",
    };
  }
  SkyEphemeris sky(prompter);
  const LocalDate date = LocalDateOf(ToJD(observation_time), zone_hours);
  return ObservingDayLines(*place, ComputeObservingDay(sky, *place, date, zone_hours));
}

}  // namespace jovi
