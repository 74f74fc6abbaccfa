#include "almanac/mutual_events.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "astro/time_scales.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kTwoPi = 2 * std::numbers::pi_v<Real>;
constexpr Real kSecond = 1.0_r / 86400;

// Mean orbital speeds from the mean distances (Jupiter radii) and sidereal periods (days).
constexpr std::array<Real, 4> kMeanDistance = {5.9073_r, 9.39912_r, 14.9924_r, 26.3699_r};
constexpr std::array<Real, 4> kPeriod = {1.769138_r, 3.551181_r, 7.154553_r, 16.689018_r};
// Covers the eccentricities (under 0.01), the perspective, the turning of the viewers' frames
// and the slow change of the shadow's size, all well under 5 % of the speeds.
constexpr Real kSpeedMargin = 1.2_r;

constexpr Real kFloorStep = 60 * kSecond;  // below it the step is halved, not taken
constexpr Real kLeafStep = 1 * kSecond;    // the finest piece examined
constexpr Real kLongestStep = 0.5_r;
constexpr int kDeepestSplit = 24;
constexpr Real kMargin = 0.5_r;  // looked at before and after the interval (days)
constexpr int kMostMarginSteps = 8;
constexpr Real kSunDistanceRefresh = 0.5_r;  // days; the Sun's size changes slowly
constexpr Real kMiddleTolerance = 0.5_r * kSecond;
constexpr int kMostMiddleIterations = 60;

constexpr std::array<std::array<int, 2>, 6> kPairs = {
    {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}};
constexpr std::size_t kFunctions = 2 * kPairs.size();  // occultation, then eclipse, per pair

using Clearances = std::array<Real, kFunctions>;

MutualKind KindOf(std::size_t f) {
  return f % 2 == 0 ? MutualKind::Occultation : MutualKind::Eclipse;
}
const std::array<int, 2>& PairOf(std::size_t f) { return kPairs[f / 2]; }

// The scene at UT instants, and the geometry of every pair from it.
class MutualSky {
 public:
  // False when Jupiter's place is not available at jd.
  bool At(Real jd) {
    scene_.Compute(TDTFromUT(jd), ProgramPrompter());
    if (scene_.Working().jupiter_failed) return false;
    if (!(std::fabs(jd - sun_distance_jd_) < kSunDistanceRefresh)) {
      sun_distance_ = JupiterSunDistance(jd);
      sun_distance_jd_ = jd;
    }
    return std::isfinite(sun_distance_);
  }

  MutualDiscs Discs(std::size_t f) const {
    const auto& [i, j] = PairOf(f);
    return KindOf(f) == MutualKind::Occultation ? OccultationDiscs(scene_, i, j)
                                                : EclipseDiscs(scene_, i, j, sun_distance_);
  }

  Clearances All() const {
    Clearances c{};
    for (std::size_t f = 0; f < kFunctions; ++f) c[f] = Discs(f).Clearance();
    return c;
  }

  const ObservationScene& Scene() const { return scene_; }

 private:
  ObservationScene scene_;
  Real sun_distance_ = 0;
  Real sun_distance_jd_ = -1e9_r;
};

struct Sample {
  Real t = 0;
  Clearances c{};
};

class Search {
 public:
  explicit Search(MutualSky& sky) : sky_(sky) {
    for (std::size_t f = 0; f < kFunctions; ++f) {
      speed_[f] = MutualClearanceSpeedBound(PairOf(f)[0], PairOf(f)[1]);
    }
  }

  bool failed = false;
  std::vector<MutualEvent> events;

  void Run(Real from, Real to) {
    Sample s;
    if (!Evaluate(from - kMargin, s)) return;
    // Start outside every event, so that each one found has its beginning.
    for (int k = 0; k < kMostMarginSteps && AnyInside(s); ++k) {
      if (!Evaluate(s.t - kMargin, s)) return;
    }
    for (std::size_t f = 0; f < kFunctions; ++f) inside_[f] = false;
    const Real last = to + kMargin;
    const Real most_steps =
        std::ceil((last + kMostMarginSteps * kMargin - s.t) / kFloorStep);
    for (Real n = 0; n < most_steps; ++n) {
      if (s.t >= last && !AnyOpen()) break;
      if (s.t >= last + kMostMarginSteps * kMargin) break;
      Real step = kLongestStep;
      for (std::size_t f = 0; f < kFunctions; ++f)
        step = std::min(step, std::fabs(s.c[f]) / speed_[f]);
      step = std::max(step, kFloorStep);
      Sample next;
      if (!Evaluate(s.t + step, next)) return;
      std::array<bool, kFunctions> all{};
      all.fill(true);
      if (!Scan(s, next, all, 0)) return;
      s = next;
    }
  }

 private:
  bool Evaluate(Real t, Sample& s) {
    if (!sky_.At(t)) {
      failed = true;
      return false;
    }
    s.t = t;
    s.c = sky_.All();
    return true;
  }

  static bool AnyInside(const Sample& s) {
    return std::any_of(s.c.begin(), s.c.end(), [](Real c) { return c < 0; });
  }
  bool AnyOpen() const {
    return std::any_of(inside_.begin(), inside_.end(), [](bool b) { return b; });
  }

  // Looks for contacts between two samples: a function whose clearance keeps its sign and whose
  // two values add up to more than its speed bound times the interval cannot touch zero there.
  bool Scan(const Sample& s0, const Sample& s1, const std::array<bool, kFunctions>& candidates,
            int depth) {
    const Real h = s1.t - s0.t;
    std::array<bool, kFunctions> active{};
    bool any = false;
    for (std::size_t f = 0; f < kFunctions; ++f) {
      if (!candidates[f]) continue;
      const bool sign_change = (s0.c[f] < 0) != (s1.c[f] < 0);
      active[f] = sign_change || std::fabs(s0.c[f]) + std::fabs(s1.c[f]) < speed_[f] * h;
      any = any || active[f];
    }
    if (!any) return true;
    if (h <= kLeafStep || depth >= kDeepestSplit) {
      for (std::size_t f = 0; f < kFunctions; ++f) {
        if (!active[f] || (s0.c[f] < 0) == (s1.c[f] < 0)) continue;
        const Real at = s0.t + h * s0.c[f] / (s0.c[f] - s1.c[f]);
        if (!Contact(f, at, s1.c[f] < 0)) return false;
      }
      return true;
    }
    Sample mid;
    if (!Evaluate(s0.t + h / 2, mid)) return false;
    return Scan(s0, mid, active, depth + 1) && Scan(mid, s1, active, depth + 1);
  }

  bool Contact(std::size_t f, Real at, bool entering) {
    if (entering) {
      inside_[f] = true;
      begin_[f] = at;
      return true;
    }
    if (!inside_[f]) return true;  // began before the search: dropped
    inside_[f] = false;
    return Record(f, begin_[f], at);
  }

  // The separation of f's discs at t, for the least-separation search.
  bool Separation(std::size_t f, Real t, Real& separation) {
    if (!sky_.At(t)) {
      failed = true;
      return false;
    }
    separation = sky_.Discs(f).separation;
    return true;
  }

  bool Record(std::size_t f, Real begin, Real end) {
    // Golden-section search for the least separation between the contacts.
    constexpr Real kGolden = 0.6180339887498949_r;
    Real lo = begin, hi = end;
    Real x1 = hi - kGolden * (hi - lo), x2 = lo + kGolden * (hi - lo);
    Real f1 = 0, f2 = 0;
    if (!Separation(f, x1, f1) || !Separation(f, x2, f2)) return false;
    for (int k = 0; k < kMostMiddleIterations && hi - lo > kMiddleTolerance; ++k) {
      if (f1 < f2) {
        hi = x2;
        x2 = x1;
        f2 = f1;
        x1 = hi - kGolden * (hi - lo);
        if (!Separation(f, x1, f1)) return false;
      } else {
        lo = x1;
        x1 = x2;
        f1 = f2;
        x2 = lo + kGolden * (hi - lo);
        if (!Separation(f, x2, f2)) return false;
      }
    }
    MutualEvent e;
    e.kind = KindOf(f);
    e.begin = begin;
    e.end = end;
    e.middle = (lo + hi) / 2;
    if (!sky_.At(e.middle)) {
      failed = true;
      return false;
    }
    const MutualDiscs discs = sky_.Discs(f);
    e.a = discs.a;
    e.b = discs.b;
    e.type = EventKindLetter(discs, e.kind);
    e.light_lost = LightLost(discs, e.kind);
    const SatelliteState& b = sky_.Scene().Satellite(e.b);
    e.behind_jupiter = b.Occulted || b.Eclipsed;
    events.push_back(e);
    return true;
  }

  MutualSky& sky_;
  std::array<Real, kFunctions> speed_{};
  std::array<bool, kFunctions> inside_{};
  std::array<Real, kFunctions> begin_{};
};

}  // namespace

std::string MutualEvent::Code() const {
  std::string code;
  code += static_cast<char>('0' + a);
  code += kind == MutualKind::Occultation ? 'O' : 'E';
  code += static_cast<char>('0' + b);
  return code;
}

Real MutualClearanceSpeedBound(int i, int j) {
  auto speed = [](int k) {
    const auto n = static_cast<std::size_t>(k - 1);
    return kTwoPi * kMeanDistance[n] / kPeriod[n];
  };
  return kSpeedMargin * (speed(i) + speed(j));
}

MutualSearch FindMutualEvents(Real from, Real to, Real min_drop,
                              bool include_hidden) {
  MutualSky sky;
  Search search(sky);
  search.Run(from, to);
  MutualSearch result;
  result.failed = search.failed;
  for (MutualEvent& e : search.events) {
    if (e.middle < from || e.middle > to) continue;
    e.below_threshold = e.light_lost < min_drop;
    if (e.Hidden() && !include_hidden) continue;
    result.events.push_back(e);
  }
  std::sort(result.events.begin(), result.events.end(),
            [](const MutualEvent& x, const MutualEvent& y) { return x.begin < y.begin; });
  return result;
}

}  // namespace jovi
