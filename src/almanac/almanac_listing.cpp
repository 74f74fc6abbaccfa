#include "almanac/almanac_listing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/date_time.h"

namespace jovi {

namespace {

constexpr long double kMinutesPerDay = 1440;

long long WholeMinutes(long double jd) { return std::llround((jd + 0.5L) * kMinutesPerDay); }

long double FromWholeMinutes(long long minutes) {
  return static_cast<long double>(minutes) / kMinutesPerDay - 0.5L;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string ChosenMoons(const AlmanacFilter& filter) {
  std::string text;
  for (int moon = 1; moon <= 4; ++moon) {
    if (!filter.moons[static_cast<std::size_t>(moon - 1)]) continue;
    if (!text.empty()) text += ' ';
    text += MoonNumeral(moon);
  }
  return text.empty() ? "none" : text;
}

std::string ChosenKinds(const AlmanacFilter& filter) {
  std::string text;
  for (const MoonEventKindInfo& info : MoonEventKinds()) {
    if (!filter.kinds.Has(info.kind)) continue;
    if (!text.empty()) text += ", ";
    text += info.title;
  }
  return text.empty() ? "none" : text;
}

}  // namespace

int ClampAlmanacDays(int days) { return std::clamp(days, kFewestAlmanacDays, kMostAlmanacDays); }

bool AlmanacFilter::Lists(const MoonEvent& event) const {
  if (event.moon < 1 || event.moon > 4 || !moons[static_cast<std::size_t>(event.moon - 1)]) {
    return false;
  }
  return kinds.Has(event.kind) && (show_hidden || !event.hidden);
}

std::string MinuteText(long double jd) {
  const long long minutes = WholeMinutes(jd);
  const long long day = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
  const long long of_day = minutes - day * 1440;
  DateTimeRec rec;
  SetFromJD(rec, static_cast<long double>(day) - 0.5L);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%04d/%02d/%02d %02lld:%02lld", rec.Year < 0 ? "-" : "",
                std::abs(rec.Year), rec.Month, rec.Day, of_day / 60, of_day % 60);
  return buf;
}

long double ListedMinute(const MoonEvent& event) {
  return FromWholeMinutes(WholeMinutes(event.jd));
}

long double GoToInstant(const MoonEvent& event) {
  return ListedMinute(event) - kGoToLeadMinutes / kMinutesPerDay;
}

AlmanacReport AlmanacLines(const std::vector<MoonEvent>& found, long double from_ut, int days,
                           const AlmanacFilter& filter,
                           const std::vector<AlmanacColumn>& extra_columns) {
  AlmanacReport report;
  auto heading = [&report](std::string line) {
    report.lines.push_back(std::move(line));
    report.event_of_line.push_back(-1);
  };
  heading("Moon events from " + MinuteText(from_ut) + " UT, " + std::to_string(days) +
          (days == 1 ? " day" : " days") + ", to " + MinuteText(from_ut + days) + " UT");
  // Every line fits a printed page (80 characters), as the event lines do.
  heading("Moons: " + ChosenMoons(filter) + ".");
  heading("Events: " + ChosenKinds(filter) + ".");
  heading(filter.show_hidden ? "Hidden events (behind the disc or in the shadow): listed, marked."
                             : "Hidden events (behind the disc or in the shadow): not listed.");
  heading("UT to the nearest minute; time each event to the second in the telescope.");
  heading("");
  std::string columns = "Date       UT     Event     ";
  for (const AlmanacColumn& c : extra_columns) columns += c.heading + "  ";
  heading(columns + "What happens");

  for (const MoonEvent& event : found) {
    if (!filter.Lists(event)) continue;
    std::string line = MinuteText(event.jd) + "  " + Padded(MoonEventCode(event), 8) + "  ";
    for (const AlmanacColumn& c : extra_columns) {
      line += Padded(c.text ? c.text(event) : std::string(), c.heading.size()) + "  ";
    }
    line += MoonEventText(event);
    if (event.hidden) line += " (hidden)";
    report.lines.push_back(std::move(line));
    report.event_of_line.push_back(static_cast<int>(report.events.size()));
    report.events.push_back(event);
  }
  if (report.events.empty()) heading("No events of the chosen moons and kinds in this span.");
  return report;
}

}  // namespace jovi
