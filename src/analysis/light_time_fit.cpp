#include "analysis/light_time_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "analysis/light_time_correction.h"
#include "astro/planet_body.h"

namespace jovi {

namespace {

constexpr Real kSecondsPerDay = 86400;
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
// The period settles in two or three rounds; a fit still moving after this many has none.
constexpr int kMostFitRounds = 20;
constexpr Real kSettledPeriodDays = 1.0e-9_r;

// The whole orbits from T0 to t, or nothing when the period gives no count.
std::optional<Real> OrbitsFrom(Real t0, Real t, Real period) {
  if (!(period > 0) || !std::isfinite(period)) return std::nullopt;
  const Real n = std::nearbyint((t - t0) / period);
  if (!(std::fabs(n) <= kMostOrbits)) return std::nullopt;
  return n;
}

// Solves a 3 x 3 system by Cramer's rule; nothing when it is singular.
std::optional<std::array<Real, 3>> Solve3(const std::array<std::array<Real, 3>, 3>& a,
                                          const std::array<Real, 3>& b) {
  auto det = [](const std::array<std::array<Real, 3>, 3>& m) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  };
  const Real d = det(a);
  if (!(std::fabs(d) > 0) || !std::isfinite(d)) return std::nullopt;
  std::array<Real, 3> x{};
  for (std::size_t col = 0; col < 3; ++col) {
    auto m = a;
    for (std::size_t row = 0; row < 3; ++row) m[row][col] = b[row];
    x[col] = det(m) / d;
  }
  return x;
}

}  // namespace

std::vector<LightTimeEvent> EventsOfPhase(const std::vector<EventRecord>& records,
                                          float zone_hours, EclipsePhase phase) {
  std::vector<LightTimeEvent> events;
  for (const EventRecord& r : records) {
    if (EclipsePhaseOf(r.Event) != phase) continue;
    const Real jd = EventJulianDate(r, zone_hours);
    if (!std::isfinite(jd) || !std::isfinite(r.DistanceAU)) continue;
    events.push_back({jd, r.DistanceAU, r.Event});
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const LightTimeEvent& a, const LightTimeEvent& b) {
                     return a.JulianDate < b.JulianDate;
                   });
  return events;
}

std::vector<LightTimePoint> LightTimePoints(const std::vector<LightTimeEvent>& events,
                                            const LightTimeModel& model, EclipsePhase phase) {
  std::vector<LightTimePoint> points;
  if (events.empty()) return points;
  const Real t0 = events.front().JulianDate;
  std::optional<EclipseIrregularities> irregular;
  if (model.AllowForIrregularities) irregular.emplace(t0, phase);
  for (const LightTimeEvent& e : events) {
    LightTimePoint p{e.JulianDate, e.DistanceAU, kNaN, kNaN, e.Text};
    if (const std::optional<Real> n = OrbitsFrom(t0, e.JulianDate, model.PeriodDays)) {
      p.Orbits = *n;
      const std::optional<Real> irregularity =
          irregular ? irregular->LatenessDays(*n, model.PeriodDays) : 0;
      if (irregularity) {
        p.DelaySeconds = (e.JulianDate - (t0 + *n * model.PeriodDays) - *irregularity) *
                         kSecondsPerDay;
      }
    }
    points.push_back(std::move(p));
  }
  return points;
}

Real LightTimeResidualSeconds(const std::vector<LightTimePoint>& points,
                              const LightTimeModel& model) {
  Real sum = 0;
  std::size_t count = 0;
  for (const LightTimePoint& p : points) {
    if (!std::isfinite(p.DelaySeconds)) continue;
    const Real off = p.DelaySeconds - (model.OffsetSeconds + model.SlopeSecondsPerAU * p.DistanceAU);
    sum += off * off;
    ++count;
  }
  if (count < 2) return kNaN;
  return std::sqrt(sum / static_cast<Real>(count));
}

Real SpeedOfLightKmPerS(Real slope_seconds_per_au) {
  if (!(slope_seconds_per_au > 0) || !std::isfinite(slope_seconds_per_au)) return kNaN;
  return kKilometresInAU / slope_seconds_per_au;
}

std::optional<LightTimeModel> BestLightTimeFit(const std::vector<LightTimeEvent>& events,
                                               Real start_period_days, bool allow_for_irregularities,
                                               EclipsePhase phase) {
  if (events.size() < 3) return std::nullopt;
  const Real t0 = events.front().JulianDate;
  std::optional<EclipseIrregularities> irregular;
  if (allow_for_irregularities) irregular.emplace(t0, phase);
  Real period = start_period_days;
  for (int round = 0; round < kMostFitRounds; ++round) {
    // t - T0 - irregularity = n P + offset + slope x distance, all in seconds; the
    // irregularities taken where the period of the round puts the eclipses.
    std::array<std::array<Real, 3>, 3> normal{};
    std::array<Real, 3> right{};
    for (const LightTimeEvent& e : events) {
      const std::optional<Real> n = OrbitsFrom(t0, e.JulianDate, period);
      if (!n) return std::nullopt;
      const std::optional<Real> irregularity = irregular ? irregular->LatenessDays(*n, period) : 0;
      if (!irregularity) return std::nullopt;
      const std::array<Real, 3> row = {*n, 1, e.DistanceAU};
      const Real y = (e.JulianDate - t0 - *irregularity) * kSecondsPerDay;
      for (std::size_t j = 0; j < 3; ++j) {
        for (std::size_t k = 0; k < 3; ++k) normal[j][k] += row[j] * row[k];
        right[j] += row[j] * y;
      }
    }
    const std::optional<std::array<Real, 3>> x = Solve3(normal, right);
    if (!x) return std::nullopt;
    const Real fitted = (*x)[0] / kSecondsPerDay;
    bool same_counts = true;
    for (const LightTimeEvent& e : events) {
      if (OrbitsFrom(t0, e.JulianDate, fitted) != OrbitsFrom(t0, e.JulianDate, period)) {
        same_counts = false;
      }
    }
    if (same_counts && std::fabs(fitted - period) < kSettledPeriodDays) {
      return LightTimeModel{fitted, allow_for_irregularities, (*x)[1], (*x)[2]};
    }
    period = fitted;
  }
  return std::nullopt;
}

}  // namespace jovi
