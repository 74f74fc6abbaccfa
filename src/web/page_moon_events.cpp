// The page's Moon Events: the desktop window's search from the observation time over a span,
// its lines as its filter chooses them (moons, kinds, mutual and hidden events, "Visible from"
// the observer's place within the two limits), the instant Go To sets, and Jupiter's and the
// Sun's rise, transit and set at the place on the observation date.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <optional>
#include <string>

#include "almanac/almanac_listing.h"
#include "almanac/almanac_search.h"
#include "almanac/moon_events_report.h"
#include "astro/date_time.h"
#include "phenomena/observing_day_lines.h"
#include "sky/observer_place.h"
#include "sky/site_zone.h"
#include "web/page_lab.h"

namespace jovi::web {
namespace {

using emscripten::val;

class MoonEvents {
 public:
  // Searches from the UT Julian date over `days` (clamped to the window's limits); the span
  // searched in days.
  int search(double from_ut, int days, bool mutual) {
    from_ = from_ut;
    search_ = SearchAlmanac(from_ut, days, mutual, prompter_);
    Judge();
    return search_.days;
  }

  // The observer's place {latitude, longitude} (degrees, north and east positive), or null for
  // none; false (and no place) for values that make no place.
  bool setPlace(val place) {
    place_.reset();
    if (!place.isNull() && !place.isUndefined()) {
      ObserverPlace p;
      p.latitude_deg = place["latitude"].as<double>();
      p.longitude_deg = place["longitude"].as<double>();
      if (IsValidPlace(p)) place_ = p;
    }
    Judge();
    return place_.has_value();
  }

  // The two limits as typed; each good one is taken. The first refusal's reason, or "".
  std::string setLimits(const std::string& min_alt, const std::string& sun_below) {
    const std::string why = ReadVisibilityLimits(min_alt, sun_below, limits_);
    Judge();
    return why;
  }

  // The limits in force, as the fields show them.
  val limits() const {
    val out = val::object();
    out.set("minAlt", LimitText(limits_.min_alt_deg));
    out.set("sunBelow", LimitText(limits_.sun_below_deg));
    return out;
  }

  // The window's lines for the filter {moons: [4], kinds: [4], mutual, hidden}: each line's
  // text and the index of its event (-1 for headings and notes).
  val lines(val filter) {
    AlmanacFilter f;
    for (std::size_t i = 0; i < 4; ++i) f.moons[i] = filter["moons"][i].as<bool>();
    f.kinds = MoonEventKindSet::None();
    const auto& kinds = MoonEventKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      f.kinds.Set(kinds[i].kind, filter["kinds"][i].as<bool>());
    }
    f.mutual = filter["mutual"].as<bool>();
    f.show_hidden = filter["hidden"].as<bool>();
    const bool visible = filter["visible"].as<bool>() && visible_;
    report_ = MoonEventsReport(search_, from_, f, visible ? &*visible_ : nullptr);
    val out = val::array();
    for (std::size_t i = 0; i < report_.lines.size(); ++i) {
      val line = val::object();
      line.set("text", report_.lines[i]);
      line.set("event", i < report_.event_of_line.size() ? report_.event_of_line[i] : -1);
      out.call<void>("push", line);
    }
    return out;
  }

  // The UT Julian date Go To sets for a listed event; NaN for none.
  double goTo(int event) const {
    if (event < 0 || static_cast<std::size_t>(event) >= report_.events.size()) return std::nan("");
    return static_cast<double>(GoToInstant(report_.events[static_cast<std::size_t>(event)]));
  }

  // Jupiter's rise, transit and set and the Sun's at the place on the local date of the time
  // searched from, in the browser's zone: `zone` names it, `zone_hours_at(jd)` gives UT minus
  // local time in hours at a UT Julian date. No lines without a place.
  val riseTransitSet(const std::string& zone, val zone_hours_at) {
    val out = val::array();
    if (!place_) return out;
    SiteZone site{zone, [zone_hours_at](Real jd) {
                    return zone_hours_at(static_cast<double>(jd)).as<double>();
                  }};
    DateTimeRec time;
    SetFromJD(time, from_);
    for (const std::string& line : ObservingDayLines(place_, time, site, &prompter_)) {
      out.call<void>("push", line);
    }
    return out;
  }

 private:
  void Judge() {
    visible_.reset();
    if (place_) visible_ = JudgeVisibility(sky_, search_, *place_, limits_);
  }

  page::PagePrompter prompter_;
  Real from_ = 0;
  AlmanacSearch search_;
  AlmanacReport report_;
  std::optional<ObserverPlace> place_;
  VisibilityLimits limits_;
  SkyEphemeris sky_{&prompter_};
  std::optional<VisibleChoice> visible_;
};

// The place as typed: {ok, latitude, longitude} or {ok: false, error, field: "latitude" or
// "longitude"}. Either field takes a hemisphere letter or a sign; the latitude field may hold
// both ("52.37N 4.89E") with the longitude left empty.
val CheckPlace(const std::string& latitude, const std::string& longitude) {
  const SiteEntry entry = CheckSiteEntry(latitude, longitude, "", "");
  val out = val::object();
  out.set("ok", entry.place.has_value());
  if (entry.place) {
    out.set("latitude", entry.place->latitude_deg);
    out.set("longitude", entry.place->longitude_deg);
  } else {
    out.set("error", entry.error);
    out.set("field", std::string(entry.field == SiteEntry::Field::Longitude ? "longitude"
                                                                            : "latitude"));
  }
  return out;
}

// A place as the fields show it ("52.3700N", "4.8900E") and as the list names it
// ("52.37° N, 4.89° E").
val PlaceTexts(double latitude, double longitude) {
  ObserverPlace place;
  place.latitude_deg = latitude;
  place.longitude_deg = longitude;
  val out = val::object();
  out.set("latitude", LatitudeFieldText(latitude));
  out.set("longitude", LongitudeFieldText(longitude));
  out.set("place", PlaceText(place));
  return out;
}

// The kinds the window offers, in its order: the almanac's code and the window's title.
val MoonEventKindChoices() {
  val out = val::array();
  for (const MoonEventKindInfo& info : MoonEventKinds()) {
    val kind = val::object();
    kind.set("code", std::string(info.code));
    kind.set("title", std::string(info.title));
    out.call<void>("push", kind);
  }
  return out;
}

// The window's span: its limits and the span it opens with.
val AlmanacSpan() {
  val out = val::object();
  out.set("fewest", kFewestAlmanacDays);
  out.set("most", kMostAlmanacDays);
  out.set("first", kDefaultAlmanacDays);
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(jovitrack_page_moon_events) {
  emscripten::class_<MoonEvents>("MoonEvents")
      .constructor<>()
      .function("search", &MoonEvents::search)
      .function("lines", &MoonEvents::lines)
      .function("goTo", &MoonEvents::goTo)
      .function("setPlace", &MoonEvents::setPlace)
      .function("setLimits", &MoonEvents::setLimits)
      .function("limits", &MoonEvents::limits)
      .function("riseTransitSet", &MoonEvents::riseTransitSet);
  emscripten::function("checkPlace", &CheckPlace);
  emscripten::function("placeTexts", &PlaceTexts);
  emscripten::function("moonEventKinds", &MoonEventKindChoices);
  emscripten::function("almanacSpan", &AlmanacSpan);
}

}  // namespace jovi::web
