#include "almanac/moon_events_report.h"

#include <algorithm>
#include <string>
#include <utility>

namespace jovi {

namespace {

void AddVisibilityHeadings(AlmanacReport& report, const VisibleChoice& visible) {
  // Before the blank line that ends the headings.
  const auto blank = std::find(report.lines.begin(), report.lines.end(), std::string());
  std::size_t at = static_cast<std::size_t>(blank - report.lines.begin());
  for (std::string& line : VisibilityHeadings(visible.place, visible.limits)) {
    InsertHeading(report, at++, std::move(line));
  }
  if (!visible.visible.available) {
    InsertHeading(report, at, "Some events are left out: Jupiter's place is not known for them.");
  }
}

}  // namespace

VisibleChoice JudgeVisibility(SkyEphemeris& sky, const AlmanacSearch& search,
                              const ObserverPlace& place, const VisibilityLimits& limits) {
  return {place, limits, KeepVisibleEvents(sky, place, search.found, limits)};
}

AlmanacReport MoonEventsReport(const AlmanacSearch& search, Real from_ut,
                               const AlmanacFilter& filter, const VisibleChoice* visible) {
  AlmanacFilter chosen = filter;
  chosen.mutual = filter.mutual && search.mutual;
  AlmanacReport report;
  if (visible) {
    report = AlmanacLines(visible->visible.Events(), from_ut, search.days, chosen,
                          {JupiterAltitudeColumn(visible->visible)});
    AddVisibilityHeadings(report, *visible);
  } else {
    report = AlmanacLines(search.found, from_ut, search.days, chosen);
  }
  if (!search.error.empty()) {
    report.lines.push_back(AlmanacErrorLine(search.error));
    report.event_of_line.push_back(-1);
  }
  return report;
}

}  // namespace jovi
