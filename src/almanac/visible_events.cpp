#include "almanac/visible_events.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

#include "util/number_text.h"
#include "util/real.h"

namespace jovi {

namespace {

std::optional<Real> ParseLimit(std::string_view text, Real lowest,
                                      Real highest, const char* what, std::string* error) {
  const std::optional<Real> v = ParseNumber(text);
  if (v && *v >= lowest && *v <= highest) return v;
  if (error) {
    *error = std::string(what) + " is a number of degrees from " + LimitText(lowest) + " to " +
             LimitText(highest);
  }
  return std::nullopt;
}

// The events of a list told apart by their instant, moon, kind and phase.
using EventKey = std::tuple<Real, int, int, bool>;
EventKey KeyOf(const MoonEvent& e) { return {e.jd, e.moon, static_cast<int>(e.kind), e.begins}; }

}  // namespace

std::optional<Real> ParseMinAltitude(std::string_view text, std::string* error) {
  return ParseLimit(text, kLowestMinAltitudeDeg, kHighestMinAltitudeDeg, "Jupiter's least altitude",
                    error);
}

std::optional<Real> ParseSunBelow(std::string_view text, std::string* error) {
  return ParseLimit(text, kLeastSunBelowDeg, kMostSunBelowDeg, "The Sun's depth below the horizon",
                    error);
}

std::string ReadVisibilityLimits(std::string_view min_alt, std::string_view sun_below,
                                 VisibilityLimits& limits) {
  std::string why_alt, why_sun;
  const std::optional<Real> alt = ParseMinAltitude(min_alt, &why_alt);
  const std::optional<Real> sun = ParseSunBelow(sun_below, &why_sun);
  if (alt) limits.min_alt_deg = *alt;
  if (sun) limits.sun_below_deg = *sun;
  if (alt && sun) return {};
  return (alt ? why_sun : why_alt) + ".";
}

std::vector<MoonEvent> VisibleEventList::Events() const {
  std::vector<MoonEvent> list;
  list.reserve(events.size());
  for (const VisibleEvent& v : events) list.push_back(v.event);
  return list;
}

VisibleEventList KeepVisibleEvents(SkyEphemeris& sky, const ObserverPlace& place,
                                   const std::vector<MoonEvent>& events,
                                   const VisibilityLimits& limits) {
  VisibleEventList list;
  for (const MoonEvent& event : events) {
    const JupiterVisibility v = VisibleFrom(sky, place, event.jd, limits);
    if (!v.available) list.available = false;
    if (v.visible) list.events.push_back({event, v.jupiter_altitude_deg});
  }
  return list;
}

std::string WholeDegreesText(Real degrees) {
  const long long whole = std::llround(degrees);
  return std::to_string(whole == 0 ? 0 : whole);  // never "-0"
}

AlmanacColumn JupiterAltitudeColumn(const VisibleEventList& list) {
  auto altitudes = std::make_shared<std::map<EventKey, Real>>();
  for (const VisibleEvent& v : list.events) (*altitudes)[KeyOf(v.event)] = v.jupiter_altitude_deg;
  AlmanacColumn column;
  column.heading = "Alt";
  column.text = [altitudes](const MoonEvent& event) {
    const auto found = altitudes->find(KeyOf(event));
    if (found == altitudes->end()) return std::string();
    std::string text = WholeDegreesText(found->second);
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
  };
  return column;
}

std::string LimitText(Real degrees) {
  std::string text = FixedNumberText(degrees, 2);
  while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.')) {
    const bool point = text.back() == '.';
    text.pop_back();
    if (point) break;
  }
  return text == "-0" ? "0" : text;
}

std::vector<std::string> VisibilityHeadings(const ObserverPlace& place,
                                            const VisibilityLimits& limits) {
  return {"Visible from " + PlaceText(place) + ".",
          "Jupiter at least " + LimitText(limits.min_alt_deg) + "° high, the Sun at least " +
              LimitText(limits.sun_below_deg) + "° below the horizon; Alt: Jupiter's, in °."};
}

void InsertHeading(AlmanacReport& report, std::size_t at, std::string line) {
  at = std::min(at, report.lines.size());
  report.lines.insert(report.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  report.event_of_line.insert(report.event_of_line.begin() + static_cast<std::ptrdiff_t>(at), -1);
}

}  // namespace jovi
