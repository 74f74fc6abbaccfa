// The page's Moon Events: the desktop window's search from the observation time over a span,
// its lines as its filter chooses them (moons, kinds, mutual and hidden events), and the
// instant Go To sets.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <string>

#include "almanac/almanac_listing.h"
#include "almanac/almanac_search.h"
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
    return search_.days;
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
    f.mutual = filter["mutual"].as<bool>() && search_.mutual;
    f.show_hidden = filter["hidden"].as<bool>();
    report_ = AlmanacLines(search_.found, from_, search_.days, f);
    if (!search_.error.empty()) {
      report_.lines.push_back(AlmanacErrorLine(search_.error));
      report_.event_of_line.push_back(-1);
    }
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

 private:
  page::PagePrompter prompter_;
  Real from_ = 0;
  AlmanacSearch search_;
  AlmanacReport report_;
};

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
      .function("goTo", &MoonEvents::goTo);
  emscripten::function("moonEventKinds", &MoonEventKindChoices);
  emscripten::function("almanacSpan", &AlmanacSpan);
}

}  // namespace jovi::web
