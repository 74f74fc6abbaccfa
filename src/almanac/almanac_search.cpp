#include "almanac/almanac_search.h"

#include <utility>

#include "almanac/almanac_listing.h"
#include "almanac/mutual_events.h"

namespace jovi {

AlmanacSearch SearchAlmanac(Real from_ut, int days, bool mutual, Prompter& prompter) {
  AlmanacSearch search;
  search.days = ClampAlmanacDays(days);
  MoonEventQuery query;
  query.from_ut = from_ut;
  query.to_ut = from_ut + search.days;
  query.include_hidden = true;
  MoonEventList list = FindMoonEvents(query, prompter);
  search.found = std::move(list.events);
  search.mutual = mutual;
  if (mutual) {
    // Every mutual event of the span, the hidden and faint ones too: the filter chooses.
    const MutualSearch found =
        FindMutualEvents(query.from_ut, query.to_ut, kDefaultMinimumDrop, true);
    search.found = WithMutualEvents(std::move(search.found), found.events);
    if (found.failed && list.Ok()) list.error = "Jupiter's place is not available";
  }
  search.error = std::move(list.error);
  return search;
}

std::string AlmanacErrorLine(const std::string& error) {
  return "The moons' events cannot be listed: " + error + ".";
}

}  // namespace jovi
