// The Moon Events list as a whole: the events of a search as the filter chooses them, and with
// "Visible from" only those seen from the observer's place, each with Jupiter's altitude, under
// the place's headings; a failed search says so under the list. Both the desktop window and
// the browser page list through here.
#pragma once

#include "almanac/almanac_listing.h"
#include "almanac/almanac_search.h"
#include "almanac/visible_events.h"
#include "sky/observer_place.h"
#include "sky/visibility.h"
#include "util/real.h"

namespace jovi {

// "Visible from": the place, the limits and the search's events judged by them.
struct VisibleChoice {
  ObserverPlace place;
  VisibilityLimits limits;
  VisibleEventList visible;
};

// Judges every event of the search from `place` within `limits`.
VisibleChoice JudgeVisibility(SkyEphemeris& sky, const AlmanacSearch& search,
                              const ObserverPlace& place, const VisibilityLimits& limits);

// The lines from `from_ut` over the searched span. Mutual events are listed only when the
// search holds them; `visible` (when given) keeps the visible events alone.
AlmanacReport MoonEventsReport(const AlmanacSearch& search, Real from_ut,
                               const AlmanacFilter& filter,
                               const VisibleChoice* visible = nullptr);

}  // namespace jovi
