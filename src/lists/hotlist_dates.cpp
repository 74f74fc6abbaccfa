#include "lists/hotlist_dates.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "almanac/almanac_listing.h"
#include "astro/angles.h"
#include "astro/date_time.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "phenomena/jupiter_phenomena.h"
#include "util/date_serial.h"
#include "util/real.h"

namespace jovi {

namespace {

Real CivilJD(int year, int month, int day, int hour = 0) {
  return JDOfSerial(SerialFromCivil({year, month, day, hour, 0, 0, 0}));
}

// The next opposition after `jd` (UT).
Real OppositionAfter(Real jd, Prompter& prompter) {
  DateTimeRec at;
  SetFromJD(at, jd);
  TJupPhenomObj phenomena(&prompter);
  phenomena.ComputePhenomena(at);
  return phenomena.Found[0] ? ToJD(phenomena.OppositionTime) : -1.0_r;
}

// The instant within `span` days after (or before, for a negative span) `from` at which the
// elongation reaches `target`, found by its change of sign and halving.
Real ElongationReached(Real target, Real from, Real span,
                              Prompter& prompter) {
  const Real step = span > 0 ? 1.0_r : -1.0_r;
  Real a = from;
  Real fa = ElongationFrom(target, a, prompter);
  for (Real b = from + step; std::fabs(b - from) <= std::fabs(span); b += step) {
    const Real fb = ElongationFrom(target, b, prompter);
    if ((fa < 0) != (fb < 0) && std::fabs(fb - fa) < 1.0_r) {
      for (int i = 0; i < 20; ++i) {
        const Real m = (a + b) / 2;
        const Real fm = ElongationFrom(target, m, prompter);
        if ((fa < 0) == (fm < 0)) {
          a = m;
          fa = fm;
        } else {
          b = m;
        }
      }
      return (a + b) / 2;
    }
    a = b;
    fa = fb;
  }
  return from;
}

}  // namespace

bool IoEclipseInView(Real jd, Prompter& prompter) {
  ObservationScene scene;
  scene.Compute(TDTFromUT(jd), prompter);
  const SatelliteState& io = scene.Satellite(1);
  return io.Eclipsed && !io.Occulted;
}

Real ElongationFrom(Real target, Real jd, Prompter& prompter) {
  JupConjOppObj finder(&prompter);
  finder.TargetElongation = target;
  try {
    return finder.Func(TDTFromUT(jd));
  } catch (const ReportedFailure&) {
    return std::numeric_limits<Real>::quiet_NaN();  // the ephemeris told why
  }
}

std::optional<Real> IoEclipseAfter(Real from, Real days, Prompter& prompter) {
  // Whole minutes of UT, looked at every five minutes and then minute by minute.
  const auto minute = [from](long long k) {
    return (std::floor((from - 0.5_r) * 1440.0_r) + static_cast<Real>(k)) / 1440.0_r + 0.5_r;
  };
  const long long last = static_cast<long long>(days * 1440.0_r);
  bool before = IoEclipseInView(minute(0), prompter);
  for (long long k = 5; k <= last; k += 5) {
    const bool now = IoEclipseInView(minute(k), prompter);
    if (now && !before) {
      long long first = k;
      while (first > k - 4 && IoEclipseInView(minute(first - 1), prompter)) --first;
      // Five minutes into the eclipse, or as far as it is seen when that is less.
      for (long long j = first + 5; j > first; --j) {
        if (IoEclipseInView(minute(j), prompter)) return minute(j);
      }
      return minute(first);
    }
    before = now;
  }
  return std::nullopt;
}

double SerialOfJD(Real jd) {
  DateTimeRec rec;
  rec.ZoneOffset = 0;
  SetFromJD(rec, jd);
  return rec.Serial;
}

Real JDOfSerial(double serial) {
  DateTimeRec rec;
  rec.ZoneOffset = 0;
  SetFromSerial(rec, serial);
  return ToJD(rec);
}

std::vector<MutualEvent> DeepestMutualEvents(Real opposition, Real days, int count) {
  MutualSearch search =
      FindMutualEvents(opposition - days, opposition + days, kDefaultMinimumDrop, false);
  std::vector<MutualEvent>& events = search.events;
  std::stable_sort(events.begin(), events.end(), [](const MutualEvent& a, const MutualEvent& b) {
    return a.light_lost > b.light_lost;
  });
  if (events.size() > static_cast<std::size_t>(std::max(count, 0))) {
    events.resize(static_cast<std::size_t>(std::max(count, 0)));
  }
  return events;
}

std::string MutualEventComment(const MutualEvent& event) {
  std::string text = MutualEventWords(event);
  text += " (" + event.Code() + event.type + "), ";
  text += std::to_string(std::llround(event.light_lost * 100)) + "% lost";
  return text;
}

Real MutualEventEntryJD(const MutualEvent& event) {
  constexpr Real kLeadMinutes = 5;
  return (std::floor((event.begin - 0.5_r) * 1440.0_r) - kLeadMinutes) / 1440.0_r + 0.5_r;
}

std::vector<HotlistEntry> DefaultHotlistDates(int first_year, int last_year, Prompter& prompter) {
  namespace c = hotlist_comment;
  std::vector<HotlistEntry> entries;
  const auto add = [&entries](Real jd, const char* comment) {
    // Whole minutes, so the list shows the time the scene was computed for.
    const Real minute = std::nearbyint((jd - 0.5_r) * 1440.0_r) / 1440.0_r + 0.5_r;
    entries.push_back({SerialOfJD(minute), comment});
  };
  const auto add_eclipse = [&](Real from, const char* comment) {
    if (const auto t = IoEclipseAfter(from, 4.0_r, prompter)) add(*t, comment);
  };

  add(CivilJD(1610, 1, 7, 17), c::kDiscovery1610);
  add_eclipse(CivilJD(1676, 11, 9), c::kLightTime1676);

  const Real end = CivilJD(last_year + 1, 1, 1);
  Real opposition = OppositionAfter(CivilJD(first_year, 1, 1), prompter);
  // Oppositions come every 399 days: the search ends at `end`, and also when one is not found
  // or the next found is not later (a damaged ephemeris), after at most one per year.
  const int most_oppositions = std::max(0, last_year - first_year + 2);
  for (int n = 0; n < most_oppositions && opposition > 0 && opposition < end; ++n) {
    if (opposition >= CivilJD(first_year, 1, 1)) {
      add(std::floor(opposition - 0.5_r) + 0.5_r, c::kOpposition);
      add_eclipse(opposition + 14.0_r, c::kAfterOpposition);
      add_eclipse(ElongationReached(kPi / 2, opposition, 150.0_r, prompter) - 1.0_r,
                  c::kEastQuadrature);
      add_eclipse(ElongationReached(-kPi / 2, opposition, -150.0_r, prompter) - 1.0_r,
                  c::kWestQuadrature);
    }
    if (opposition >= CivilJD(kMutualSeasonOppositionYear, 1, 1) &&
        opposition < CivilJD(kMutualSeasonOppositionYear + 1, 1, 1)) {
      for (const MutualEvent& e :
           DeepestMutualEvents(opposition, kMutualSeasonDays, kMutualSeasonEntries)) {
        entries.push_back({SerialOfJD(MutualEventEntryJD(e)), MutualEventComment(e)});
      }
    }
    const Real next = OppositionAfter(opposition + 60.0_r, prompter);
    if (!(next > opposition)) break;
    opposition = next;
  }
  std::sort(entries.begin(), entries.end(),
            [](const HotlistEntry& a, const HotlistEntry& b) { return a.Serial < b.Serial; });
  return entries;
}

}  // namespace jovi
