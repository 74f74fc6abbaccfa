#include "sky/rise_set.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/date_time.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kHour = 1.0_r / 24;
constexpr Real kTimeTolerance = 0.1_r / 86400;  // 0.1 s
constexpr int kMostHalvings = 60;
constexpr int kMarginHours = 2;

Real WithinHalfTurn(Real a) {
  a = ReduceToTwoPi(a);
  return a > kPi ? a - kTwoPi : a;
}

// What the search needs of the body at one instant.
struct Sample {
  Real t = 0;
  Real hour_angle = 0;  // radians, (-pi, pi]
  Real altitude = 0;    // true, degrees
};

class Search {
 public:
  Search(const PositionAt& position, const ObserverPlace& place)
      : position_(position),
        latitude_(place.latitude_deg * kRadiansPerDegree),
        longitude_(place.longitude_deg * kRadiansPerDegree) {}

  std::optional<Sample> At(Real t) const {
    const std::optional<Equatorial> e = position_(t);
    if (!e) return std::nullopt;
    Sample s;
    s.t = t;
    const Real lst = LocalSiderealTime(GreenwichApparentSiderealTime(t), longitude_);
    s.hour_angle = HourAngle(lst, e->ra);
    s.altitude =
        HorizonFromEquatorial(s.hour_angle, e->dec, latitude_).altitude / kRadiansPerDegree;
    return s;
  }

  // Bisection of [a, b] on which `value` goes from below 0 to 0 or above (from 0 or above to
  // below 0 when `falling`): the sample just past the change, or nothing when a position
  // failed.
  template <typename Value>
  std::optional<Sample> Bisect(Sample a, Sample b, Value value, bool falling) const {
    for (int i = 0; i < kMostHalvings && b.t - a.t > kTimeTolerance; ++i) {
      const std::optional<Sample> m = At(a.t + (b.t - a.t) / 2);
      if (!m) return std::nullopt;
      const bool below = value(*m) < 0;
      if (below != falling) {
        a = *m;
      } else {
        b = *m;
      }
    }
    return b;  // the first instant found past the change
  }

 private:
  const PositionAt& position_;
  Real latitude_;
  Real longitude_;
};

}  // namespace

DayEvents RiseTransitSet(const PositionAt& position, const ObserverPlace& place,
                         Real day_start_ut, Real horizon_deg) {
  DayEvents day;
  const Search search(position, place);
  const Real day_end = day_start_ut + 1;

  // The hourly samples over the day and its margins.
  std::vector<Sample> samples;
  for (int k = -kMarginHours; k <= 24 + kMarginHours; ++k) {
    const std::optional<Sample> s = search.At(day_start_ut + k * kHour);
    if (!s) return day;
    samples.push_back(*s);
  }

  // Upper (hour angle 0) and lower (hour angle pi) transits between the samples.
  std::vector<Sample> points = samples;
  for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
    const Sample& a = samples[i];
    const Sample& b = samples[i + 1];
    for (const Real target : {0.0_r, kPi}) {
      auto offset = [target](const Sample& s) { return WithinHalfTurn(s.hour_angle - target); };
      const Real oa = offset(a);
      const Real ob = offset(b);
      if (!(oa < 0 && ob >= 0 && ob - oa < kPi)) continue;
      const std::optional<Sample> transit = search.Bisect(a, b, offset, false);
      if (!transit) return day;
      points.push_back(*transit);
      if (target == 0 && transit->t >= day_start_ut && transit->t < day_end) {
        day.transits.push_back(transit->t);
        day.transit_altitudes_deg.push_back(transit->altitude);
      }
    }
  }
  std::sort(points.begin(), points.end(),
            [](const Sample& x, const Sample& y) { return x.t < y.t; });

  // The crossings of h0 between successive points.
  auto above = [horizon_deg](const Sample& s) { return s.altitude - horizon_deg; };
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const Sample& a = points[i];
    const Sample& b = points[i + 1];
    const bool rising = above(a) < 0 && above(b) >= 0;
    const bool setting = above(a) >= 0 && above(b) < 0;
    if (!rising && !setting) continue;
    if (b.t < day_start_ut || a.t >= day_end) continue;
    const std::optional<Sample> crossing = search.Bisect(a, b, above, setting);
    if (!crossing) return day;
    if (crossing->t < day_start_ut || crossing->t >= day_end) continue;
    (rising ? day.rises : day.sets).push_back(crossing->t);
  }
  std::sort(day.transits.begin(), day.transits.end());
  if (day.rises.empty() && day.sets.empty()) {
    const Sample& start = samples[kMarginHours];
    day.always_up = above(start) >= 0;
    day.always_down = !day.always_up;
  }
  day.ok = true;
  return day;
}

Real LocalDayStart(const LocalDate& date, double zone_hours) {
  DateTimeRec rec;
  rec.Year = date.year;
  rec.Month = static_cast<std::uint8_t>(date.month);
  rec.Day = static_cast<std::uint8_t>(date.day);
  RecomputeSerial(rec);
  return ToJD(rec) + zone_hours / 24.0_r;
}

LocalDate LocalDateOf(Real jd_ut, double zone_hours) {
  DateTimeRec rec;
  SetFromJD(rec, jd_ut - zone_hours / 24.0_r);
  return LocalDate{rec.Year, rec.Month, rec.Day};
}

namespace {

// The local date and time of a UT instant, to the nearest minute.
struct LocalMinute {
  DateTimeRec rec;
  int hour = 0;
  int minute = 0;
};

LocalMinute ToLocalMinute(Real jd_ut, double zone_hours) {
  const Real local = jd_ut - zone_hours / 24.0_r;
  const Real rounded = std::nearbyint((local + 0.5_r) * 1440) / 1440 - 0.5_r;
  LocalMinute m;
  SetFromJD(m.rec, rounded + 1.0_r / 86400 / 4);  // a quarter second in: no 59.99 s
  m.hour = m.rec.UTTime.Hour;
  m.minute = m.rec.UTTime.Minute;
  return m;
}

}  // namespace

std::string LocalDateTimeText(Real jd_ut, double zone_hours) {
  const LocalMinute m = ToLocalMinute(jd_ut, zone_hours);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%04d/%02d/%02d %02d:%02d", m.rec.Year < 0 ? "-" : "",
                std::abs(m.rec.Year), m.rec.Month, m.rec.Day, m.hour, m.minute);
  return buf;
}

std::string LocalTimeText(Real jd_ut, double zone_hours) {
  const LocalMinute m = ToLocalMinute(jd_ut, zone_hours);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", m.hour, m.minute);
  return buf;
}

std::string ZoneText(double zone_hours) {
  if (zone_hours == 0) return "UT";
  char buf[32];
  std::snprintf(buf, sizeof buf, "UT %c %g h", zone_hours > 0 ? '-' : '+', std::fabs(zone_hours));
  return buf;
}

}  // namespace jovi
