#include "almanac/almanac_listing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "astro/date_time.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kMinutesPerDay = 1440;

long long WholeMinutes(Real jd) { return std::llround((jd + 0.5_r) * kMinutesPerDay); }

Real FromWholeMinutes(long long minutes) {
  return static_cast<Real>(minutes) / kMinutesPerDay - 0.5_r;
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
  if (filter.mutual) text += text.empty() ? "Mutual events" : ", Mutual events";
  return text.empty() ? "none" : text;
}

// "1O2P": the pair, the kind and partial, annular or total.
std::string EventCode(const MoonEvent& event) {
  if (event.mutual) return event.mutual->Code() + event.mutual->type;
  return MoonEventCode(event);
}

// "Io eclipses Europa, 24%, to 21:20": the light lost at the middle, the end.
std::string EventText(const MoonEvent& event) {
  if (!event.mutual) return MoonEventText(event);
  const MutualEvent& m = *event.mutual;
  const long long percent = std::llround(m.light_lost * 100);
  std::string text = MutualEventWords(m);
  text += percent < 1 ? std::string(", under 1%") : ", " + std::to_string(percent) + "%";
  text += ", to " + MinuteText(m.end).substr(11);
  return text;
}

}  // namespace

int ClampAlmanacDays(int days) { return std::clamp(days, kFewestAlmanacDays, kMostAlmanacDays); }

bool AlmanacFilter::Lists(const MoonEvent& event) const {
  if (event.mutual) {
    const int a = event.mutual->a;
    const int b = event.mutual->b;
    const bool chosen = (a >= 1 && a <= 4 && moons[static_cast<std::size_t>(a - 1)]) ||
                        (b >= 1 && b <= 4 && moons[static_cast<std::size_t>(b - 1)]);
    return mutual && chosen && (show_hidden || !event.hidden);
  }
  if (event.moon < 1 || event.moon > 4 || !moons[static_cast<std::size_t>(event.moon - 1)]) {
    return false;
  }
  return kinds.Has(event.kind) && (show_hidden || !event.hidden);
}

std::string MinuteText(Real jd) {
  const long long minutes = WholeMinutes(jd);
  const long long day = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
  const long long of_day = minutes - day * 1440;
  DateTimeRec rec;
  SetFromJD(rec, static_cast<Real>(day) - 0.5_r);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%04d/%02d/%02d %02lld:%02lld", rec.Year < 0 ? "-" : "",
                std::abs(rec.Year), rec.Month, rec.Day, of_day / 60, of_day % 60);
  return buf;
}

Real ListedMinute(const MoonEvent& event) {
  return FromWholeMinutes(WholeMinutes(event.jd));
}

std::string MutualEventWords(const MutualEvent& event) {
  std::string text(GalileanMoonName(event.a));
  text += event.kind == MutualKind::Occultation ? " occults " : " eclipses ";
  text += GalileanMoonName(event.b);
  return text;
}

MoonEvent ListedMutualEvent(const MutualEvent& event) {
  MoonEvent listed;
  listed.jd = event.begin;
  listed.moon = event.b;
  listed.kind =
      event.kind == MutualKind::Occultation ? MoonEventKind::Occultation : MoonEventKind::Eclipse;
  listed.hidden = event.Hidden();
  listed.mutual = event;
  return listed;
}

std::vector<MoonEvent> WithMutualEvents(std::vector<MoonEvent> found,
                                        const std::vector<MutualEvent>& mutual) {
  std::vector<MoonEvent> listed;
  listed.reserve(mutual.size());
  for (const MutualEvent& e : mutual) listed.push_back(ListedMutualEvent(e));
  std::stable_sort(listed.begin(), listed.end(),
                   [](const MoonEvent& x, const MoonEvent& y) { return x.jd < y.jd; });
  std::vector<MoonEvent> merged;
  merged.reserve(found.size() + listed.size());
  std::merge(std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()),
             listed.begin(), listed.end(), std::back_inserter(merged),
             [](const MoonEvent& x, const MoonEvent& y) { return x.jd < y.jd; });
  return merged;
}

Real GoToInstant(const MoonEvent& event) {
  return ListedMinute(event) - kGoToLeadMinutes / kMinutesPerDay;
}

AlmanacReport AlmanacLines(const std::vector<MoonEvent>& found, Real from_ut, int days,
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
  if (filter.mutual) {
    heading("Mutual events: beginning, light lost, end; hidden under " +
            std::to_string(std::llround(kDefaultMinimumDrop * 100)) + "% or behind Jupiter.");
  }
  heading("UT to the nearest minute; time each event to the second in the telescope.");
  heading("");
  std::string columns = "Date       UT     Event     ";
  for (const AlmanacColumn& c : extra_columns) columns += c.heading + "  ";
  heading(columns + "What happens");

  for (const MoonEvent& event : found) {
    if (!filter.Lists(event)) continue;
    std::string line = MinuteText(event.jd) + "  " + Padded(EventCode(event), 8) + "  ";
    for (const AlmanacColumn& c : extra_columns) {
      line += Padded(c.text ? c.text(event) : std::string(), c.heading.size()) + "  ";
    }
    line += EventText(event);
    if (event.hidden) line += " (hidden)";
    report.lines.push_back(std::move(line));
    report.event_of_line.push_back(static_cast<int>(report.events.size()));
    report.events.push_back(event);
  }
  if (report.events.empty()) heading("No events of the chosen moons and kinds in this span.");
  return report;
}

}  // namespace jovi
