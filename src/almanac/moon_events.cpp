// The search for the moons' events.
//
// Every event is a moon's centre crossing the limb of the flattened disc, seen from the Earth
// (X, Y: occultation when Z > 0, transit when Z < 0) or from the Sun (SunX, SunY: eclipse when
// SunZ > 0, shadow transit when SunZ < 0). With the north-south offsets stretched by the
// flattening the disc is the unit circle, so each crossing is a root of the "excess"
//     e(t) = sqrt(X^2 + (f Y)^2) - 1      (inside the disc, the limb included: e <= 0),
// exactly the scene's own disc test.
//
// How no event is missed, and why it is fast:
//   1. The scene is computed every hour, on a grid of UT fixed in time (whole hours of JD), so
//      the same event is found from the same values whatever the interval asked for.
//   2. Between two grid instants a moon's stretched offsets move at most `speed` (radii per
//      day: 1.25 x the flattening x its orbital speed). Where both ends are so far from the limb
//      that it cannot be reached within the hour, the hour holds no event.
//   3. Elsewhere the offsets are interpolated by the cubic through four grid instants. Its
//      error is at most max|x''''| (9/16) h^4 / 24 per coordinate; x'''' is bounded by twice
//      a w^4 (a the orbital radius, w the mean motion: the factor 2 covers eccentricity,
//      perturbations and the changing view), so |e - e_cubic| <= band (Io 2.0e-4 radii, about
//      14 km; Callisto 1.1e-7). The test suite checks the real error against the band.
//   4. The cubic is examined every 30 seconds for the stretches where |e_cubic| <= guard
//      (three bands). Outside them the true e cannot be zero, so every true crossing lies in
//      such a zone. The scene itself decides each zone: opposite signs at its ends mean one
//      crossing, found by the program's root finder (regula falsi) to 0.1 s; the same sign at
//      both ends means a graze, whose true extremum is searched (golden section) and, if it
//      passes the limb, gives two crossings. A graze is thus found however short it is.
// Every loop has a fixed bound; a scene that cannot be computed ends the search with an error.
#include "almanac/moon_events.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <stdexcept>

#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "phenomena/root_finder.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kSecond = 1.0_r / 86400;

constexpr Real kNodesPerDay = 24;
constexpr Real kNodeStep = 1 / kNodesPerDay;
constexpr int kSubSteps = 120;
constexpr Real kSubStep = kNodeStep / kSubSteps;
constexpr Real kRootTolerance = 0.1_r * kSecond;
// Searches on the cubic stop at this width (about 0.01 s); on the scene at kTruthWidth.
constexpr Real kCubicWidth = 0.01_r * kSecond;
constexpr Real kTruthWidth = 0.2_r * kSecond;
constexpr int kMostHalvings = 64;
// Instants closer than this (under 10 microseconds) are one for the scene's cache.
constexpr Real kSameInstant = 1e-10_r;
constexpr int kMostGoldenSteps = 80;

// Mean orbital radius (Jupiter radii, as the scene's) and sidereal period (days).
struct Orbit {
  Real radius;
  Real period;
};
constexpr std::array<Orbit, 4> kOrbits = {
    {{5.9073_r, 1.769138_r}, {9.39912_r, 3.551181_r}, {14.9924_r, 7.154553_r}, {26.3699_r, 16.689018_r}}};

// The scene is not perfectly smooth: Jupiter's place comes from five-year blocks of
// single-precision polynomials, and at each join its direction jumps by up to 3.4e-5 rad
// (measured at every join from 1900 to 2105), which moves a moon at Callisto's distance in
// front of or behind the planet by up to 9e-4 radii. The band includes such a jump.
constexpr Real kSceneJump = 1.5e-3_r;

struct MoonBounds {
  Real speed;  // of the stretched offsets, radii per day
  Real band;   // of the interpolation error of e, the scene's jumps included
  Real guard;  // the zones' half-width in e
};

MoonBounds BoundsFor(std::size_t k) {
  const Orbit& o = kOrbits[k];
  const Real omega = 2 * kPi / o.period;
  const Real speed = 1.25_r * kDiscFlattening * omega * o.radius;
  const Real fourth = 2 * o.radius * omega * omega * omega * omega;
  const Real h2 = kNodeStep * kNodeStep;
  const Real per_coordinate = fourth * (9.0_r / 16) / 24 * h2 * h2;
  const Real band =
      std::sqrt(1 + kDiscFlattening * kDiscFlattening) * per_coordinate + kSceneJump;
  return {speed, band, 3 * band};
}

const std::array<MoonBounds, 4>& Bounds() {
  static const std::array<MoonBounds, 4> bounds = {BoundsFor(0), BoundsFor(1), BoundsFor(2),
                                                   BoundsFor(3)};
  return bounds;
}

enum class View { Earth, Sun };

Real Excess(Real x, Real y) { return std::hypot(x, kDiscFlattening * y) - 1; }

Real Excess(const SatelliteState& s, View view) {
  return view == View::Earth ? Excess(s.X, s.Y) : Excess(s.SunX, s.SunY);
}

bool Inside(Real e) { return e <= 0; }

MoonEventKind KindOf(View view, const SatelliteState& s) {
  if (view == View::Earth) return s.Z > 0 ? MoonEventKind::Occultation : MoonEventKind::Transit;
  return s.SunZ > 0 ? MoonEventKind::Eclipse : MoonEventKind::ShadowTransit;
}

// The search ends on the first scene that cannot be computed.
struct SceneFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Passes on the first message of the whole search.
class FirstMessageOnly final : public Prompter {
 public:
  explicit FirstMessageOnly(Prompter& target) : target_(target) {}
  Answer Ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override {
    if (shown_) return Answer::Ok;
    shown_ = true;
    return target_.Ask(text, caption, buttons, icon);
  }

 private:
  Prompter& target_;
  bool shown_ = false;
};

using Moons = std::array<SatelliteState, 4>;

// The scene at a UT instant, computed afresh each time (the light-time iteration starts from
// the same distance), so its values depend on the instant alone. The last few are kept.
class SceneProbe {
 public:
  explicit SceneProbe(Prompter& prompter) : messages_(prompter) {}

  const Moons& At(Real ut) {
    for (const Entry& e : cache_) {
      if (e.valid && std::fabs(e.ut - ut) < kSameInstant) return e.moons;
    }
    if (!error_.empty()) throw SceneFailure(error_);
    scene_.JupiterDistance = 0;
    scene_.Compute(TDTFromUT(ut), messages_);
    ++computations_;
    if (scene_.Working().jupiter_failed) {
      error_ = "the moons cannot be computed at JD " + std::to_string(static_cast<double>(ut)) +
               " (Jupiter's ephemeris does not serve it)";
      throw SceneFailure(error_);
    }
    Entry& slot = cache_[next_];
    next_ = (next_ + 1) % cache_.size();
    slot = {true, ut, scene_.Satellites()};
    return slot.moons;
  }

  const std::string& Error() const { return error_; }
  long Computations() const { return computations_; }

 private:
  struct Entry {
    bool valid = false;
    Real ut = 0;
    Moons moons{};
  };
  FirstMessageOnly messages_;
  ObservationScene scene_;
  std::array<Entry, 4> cache_{};
  std::size_t next_ = 0;
  std::string error_;
  long computations_ = 0;
};

// e of one moon in one view, for the program's root finder.
class LimbCrossing final : public RFRootOBJ {
 public:
  LimbCrossing(SceneProbe& probe, std::size_t moon, View view)
      : probe_(probe), moon_(moon), view_(view) {}
  Real Func(Real ut) override { return Excess(probe_.At(ut)[moon_], view_); }

 private:
  SceneProbe& probe_;
  std::size_t moon_;
  View view_;
};

// The four grid instants around the hour [t1, t2] and the cubic through them.
struct GridPoint {
  Real ut = 0;
  Moons moons{};
};

std::array<Real, 4> LagrangeWeights(Real s) {
  return {-s * (s - 1) * (s - 2) / 6, (s + 1) * (s - 1) * (s - 2) / 2, -(s + 1) * s * (s - 2) / 2,
          (s + 1) * s * (s - 1) / 6};
}

class CubicExcess {
 public:
  CubicExcess(const std::array<const GridPoint*, 4>& grid, std::size_t moon, View view)
      : start_(grid[1]->ut) {
    for (std::size_t i = 0; i < 4; ++i) {
      const SatelliteState& s = grid[i]->moons[moon];
      x_[i] = view == View::Earth ? s.X : s.SunX;
      y_[i] = view == View::Earth ? s.Y : s.SunY;
    }
  }

  Real At(Real ut) const {
    return WithWeights(LagrangeWeights((ut - start_) / kNodeStep));
  }
  Real WithWeights(const std::array<Real, 4>& w) const {
    const Real x = w[0] * x_[0] + w[1] * x_[1] + w[2] * x_[2] + w[3] * x_[3];
    const Real y = w[0] * y_[0] + w[1] * y_[1] + w[2] * y_[2] + w[3] * y_[3];
    return Excess(x, y);
  }

 private:
  Real start_;
  std::array<Real, 4> x_{}, y_{};
};

const std::array<std::array<Real, 4>, kSubSteps + 1>& SubStepWeights() {
  static const auto weights = [] {
    std::array<std::array<Real, 4>, kSubSteps + 1> w{};
    for (int j = 0; j <= kSubSteps; ++j) {
      w[static_cast<std::size_t>(j)] = LagrangeWeights(static_cast<Real>(j) / kSubSteps);
    }
    return w;
  }();
  return weights;
}

// Where a continuous f changes from `sign_at_a` between a and b (f(a) and f(b) on either
// side), by halving to `width`.
template <typename F>
Real Halve(F&& on_a_side, Real a, Real b, Real width) {
  for (int i = 0; i < kMostHalvings && b - a > width; ++i) {
    const Real mid = (a + b) / 2;
    (on_a_side(mid) ? a : b) = mid;
  }
  return (a + b) / 2;
}

// The instant of the least f in [a, b], by golden section (f taken as unimodal there).
template <typename F>
Real GoldenMinimum(F&& f, Real a, Real b, Real width) {
  const Real r = (std::sqrt(5.0_r) - 1) / 2;
  Real c = b - r * (b - a), d = a + r * (b - a);
  Real fc = f(c), fd = f(d);
  for (int i = 0; i < kMostGoldenSteps && b - a > width; ++i) {
    if (fc <= fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - r * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + r * (b - a);
      fd = f(d);
    }
  }
  return fc <= fd ? c : d;
}

// A stretch where the cubic lies within `guard` of the limb, and how often it crosses it there.
struct Zone {
  Real from, to;
  int crossings;
};

class Search {
 public:
  Search(const MoonEventQuery& query, Prompter& prompter) : query_(query), probe_(prompter) {}

  MoonEventList Run();

 private:
  struct Track {
    std::size_t moon;
    View view;
    std::optional<Zone> open;
  };

  void Examine(const std::array<const GridPoint*, 4>& grid, Track& track);
  std::optional<Zone> ZoneIn(const CubicExcess& cubic, const MoonBounds& bounds, Real a,
                             Real b, Real ea, Real eb) const;
  void Resolve(Track& track);
  void Crossing(const Track& track, Real a, Real b);

  const MoonEventQuery& query_;
  SceneProbe probe_;
  std::vector<MoonEvent> found_;
};

void Search::Examine(const std::array<const GridPoint*, 4>& grid, Track& track) {
  const MoonBounds& bounds = Bounds()[track.moon];
  const Real t1 = grid[1]->ut;
  const Real e1 = Excess(grid[1]->moons[track.moon], track.view);
  const Real e2 = Excess(grid[2]->moons[track.moon], track.view);
  const Real reach = bounds.speed * kNodeStep / 2;
  // The limb cannot be reached within the hour (from outside or from inside).
  if (std::min(e1, e2) - reach > bounds.guard || std::max(e1, e2) + reach < -bounds.guard) {
    if (track.open) Resolve(track);
    return;
  }
  const CubicExcess cubic(grid, track.moon, track.view);
  const auto& weights = SubStepWeights();
  Real ea = e1;
  for (int j = 0; j < kSubSteps; ++j) {
    const Real a = t1 + j * kSubStep;
    const Real b = j + 1 == kSubSteps ? grid[2]->ut : t1 + (j + 1) * kSubStep;
    const Real eb =
        j + 1 == kSubSteps ? e2 : cubic.WithWeights(weights[static_cast<std::size_t>(j + 1)]);
    const std::optional<Zone> piece = ZoneIn(cubic, bounds, a, b, ea, eb);
    if (!piece) {
      if (track.open) Resolve(track);
    } else if (track.open && piece->from <= track.open->to + kCubicWidth) {
      track.open->to = std::max(track.open->to, piece->to);
      track.open->crossings += piece->crossings;
    } else {
      if (track.open) Resolve(track);
      track.open = piece;
    }
    ea = eb;
  }
}

// The part of [a, b] where the cubic lies within `guard` of the limb, if any.
std::optional<Zone> Search::ZoneIn(const CubicExcess& cubic, const MoonBounds& bounds,
                                   Real a, Real b, Real ea,
                                   Real eb) const {
  const Real guard = bounds.guard;
  auto far = [&](Real t) { return std::fabs(cubic.At(t)) > guard; };
  Real centre = 0;
  const bool crosses = Inside(ea) != Inside(eb);
  if (crosses) {
    centre =
        Halve([&](Real t) { return Inside(cubic.At(t)) == Inside(ea); }, a, b, kCubicWidth);
  } else {
    // No crossing of the cubic: a zone only where it comes near the limb in between.
    const Real reach = bounds.speed * (b - a) / 2;
    if (std::min(std::fabs(ea), std::fabs(eb)) > guard + reach) return std::nullopt;
    centre =
        GoldenMinimum([&](Real t) { return std::fabs(cubic.At(t)); }, a, b, kCubicWidth);
    if (far(centre)) return std::nullopt;
  }
  const Real from =
      std::fabs(ea) <= guard ? a
                             : Halve([&](Real t) { return far(t); }, a, centre, kCubicWidth);
  const Real to = std::fabs(eb) <= guard ? b
                                                : Halve([&](Real t) { return !far(t); },
                                                        centre, b, kCubicWidth);
  return Zone{from, to, crosses ? 1 : 0};
}

// The scene decides a zone: one crossing, two (a graze), or none.
void Search::Resolve(Track& track) {
  Zone zone = *track.open;
  track.open.reset();
  auto excess = [&](Real t) { return Excess(probe_.At(t)[track.moon], track.view); };
  Real e0 = excess(zone.from);
  Real e1 = excess(zone.to);
  // The cubic crosses the limb once but the scene agrees at both ends: the scene departs from
  // the cubic by more than the band (it never has so far). The crossing is looked for in a
  // widening stretch, up to half an hour on either side.
  for (Real pad = kSubStep;
       zone.crossings % 2 == 1 && Inside(e0) == Inside(e1) && pad <= 60 * kSubStep; pad *= 2) {
    zone.from -= pad;
    zone.to += pad;
    e0 = excess(zone.from);
    e1 = excess(zone.to);
  }
  if (Inside(e0) != Inside(e1)) {
    Crossing(track, zone.from, zone.to);
    return;
  }
  const Real sign = Inside(e0) ? -1 : 1;
  const Real deepest = GoldenMinimum([&](Real t) { return sign * excess(t); },
                                            zone.from, zone.to, kTruthWidth);
  if (Inside(excess(deepest)) == Inside(e0)) return;
  Crossing(track, zone.from, deepest);
  Crossing(track, deepest, zone.to);
}

// The crossing between a and b (the scene's disc test differs at the two), found to 0.1 s by
// the program's root finder, by halving where it fails.
void Search::Crossing(const Track& track, Real a, Real b) {
  auto excess = [&](Real t) { return Excess(probe_.At(t)[track.moon], track.view); };
  const Real ea = excess(a);
  const Real eb = excess(b);
  std::optional<Real> root;
  if (ea * eb < 0) {
    LimbCrossing finder(probe_, track.moon, track.view);
    if (finder.InitBracket(false, kRootTolerance, b - a, a)) {
      const Real x = finder.FindRoot();
      if (!probe_.Error().empty()) throw SceneFailure(probe_.Error());
      if (!finder.Failed && x >= a && x <= b) root = x;
    }
    if (!probe_.Error().empty()) throw SceneFailure(probe_.Error());
  }
  if (!root) {
    root =
        Halve([&](Real t) { return Inside(excess(t)) == Inside(ea); }, a, b, kRootTolerance);
  }
  const SatelliteState& s = probe_.At(*root)[track.moon];
  MoonEvent event;
  event.jd = *root;
  event.moon = static_cast<int>(track.moon) + 1;
  event.kind = KindOf(track.view, s);
  event.begins = Inside(eb);
  if (event.kind == MoonEventKind::Eclipse) event.hidden = s.Occulted;
  if (event.kind == MoonEventKind::Occultation) event.hidden = s.Eclipsed;
  found_.push_back(event);
}

long long WholeSecond(Real jd) { return std::llround(jd * 86400); }

MoonEventList Search::Run() {
  MoonEventList result;
  if (!(query_.to_ut >= query_.from_ut)) {
    result.error = "the end comes before the start";
    return result;
  }
  if (query_.to_ut - query_.from_ut > kLongestMoonEventSpanDays) {
    result.error = "the span is longer than 3660 days";
    return result;
  }
  const bool earth =
      query_.kinds.Has(MoonEventKind::Occultation) || query_.kinds.Has(MoonEventKind::Transit);
  const bool sun =
      query_.kinds.Has(MoonEventKind::Eclipse) || query_.kinds.Has(MoonEventKind::ShadowTransit);
  std::vector<Track> tracks;
  for (std::size_t k = 0; k < 4; ++k) {
    if (!query_.moons[k]) continue;
    if (earth) tracks.push_back({k, View::Earth, std::nullopt});
    if (sun) tracks.push_back({k, View::Sun, std::nullopt});
  }
  if (tracks.empty()) return result;

  // Hours [n, n + 1] from an hour before the start to an hour after the end.
  const Real first = std::floor(query_.from_ut * kNodesPerDay) - 1;
  const Real last = std::ceil(query_.to_ut * kNodesPerDay) + 1;
  try {
    std::array<GridPoint, 4> ring;
    auto compute = [&](GridPoint& p, Real n) {
      p.ut = n / kNodesPerDay;
      p.moons = probe_.At(p.ut);
    };
    for (std::size_t i = 0; i < 4; ++i) compute(ring[i], first - 1 + static_cast<Real>(i));
    std::size_t oldest = 0;
    for (Real n = first; n < last; ++n) {
      const std::array<const GridPoint*, 4> grid = {
          &ring[oldest], &ring[(oldest + 1) % 4], &ring[(oldest + 2) % 4], &ring[(oldest + 3) % 4]};
      for (Track& track : tracks) Examine(grid, track);
      if (n + 1 < last) {
        compute(ring[oldest], n + 3);
        oldest = (oldest + 1) % 4;
      }
    }
    for (Track& track : tracks) {
      if (track.open) Resolve(track);
    }
  } catch (const SceneFailure& failure) {
    result.error = failure.what();
    result.scene_computations = probe_.Computations();
    return result;
  }
  result.scene_computations = probe_.Computations();

  const long long from_second = WholeSecond(query_.from_ut);
  const long long to_second = WholeSecond(query_.to_ut);
  for (const MoonEvent& e : found_) {
    if (!query_.kinds.Has(e.kind)) continue;
    if (e.hidden && !query_.include_hidden) continue;
    const long long second = WholeSecond(e.jd);
    if (second < from_second || second > to_second) continue;
    result.events.push_back(e);
  }
  std::sort(result.events.begin(), result.events.end(), [](const MoonEvent& x, const MoonEvent& y) {
    if (x.jd != y.jd) return x.jd < y.jd;
    if (x.moon != y.moon) return x.moon < y.moon;
    return x.kind < y.kind;
  });
  // One event found from two neighbouring zones (a graze across a zone's edge) is listed once.
  auto same = [](const MoonEvent& x, const MoonEvent& y) {
    return x.moon == y.moon && x.kind == y.kind && x.begins == y.begins &&
           std::fabs(x.jd - y.jd) < 2 * kSecond;
  };
  result.events.erase(std::unique(result.events.begin(), result.events.end(), same),
                      result.events.end());
  return result;
}

constexpr std::array<MoonEventKindInfo, kMoonEventKindCount> kKinds = {{
    {MoonEventKind::Eclipse, "Ec", "D", "R", "Eclipses", "@ disappears into Jupiter's shadow",
     "@ reappears from Jupiter's shadow"},
    {MoonEventKind::Occultation, "Oc", "D", "R", "Occultations", "@ disappears behind Jupiter",
     "@ reappears from behind Jupiter"},
    {MoonEventKind::Transit, "Tr", "I", "E", "Transits", "@ begins to cross Jupiter's disc",
     "@ leaves Jupiter's disc"},
    {MoonEventKind::ShadowTransit, "Sh", "I", "E", "Shadow transits",
     "@'s shadow falls onto Jupiter's disc", "@'s shadow leaves Jupiter's disc"},
}};

constexpr std::array<std::string_view, 4> kNumerals = {"I", "II", "III", "IV"};
constexpr std::array<std::string_view, 4> kNames = {"Io", "Europa", "Ganymede", "Callisto"};

}  // namespace

const std::array<MoonEventKindInfo, kMoonEventKindCount>& MoonEventKinds() { return kKinds; }

const MoonEventKindInfo& KindInfo(MoonEventKind kind) {
  return kKinds[static_cast<std::size_t>(kind)];
}

std::string_view MoonNumeral(int moon) {
  return moon >= 1 && moon <= 4 ? kNumerals[static_cast<std::size_t>(moon - 1)] : "";
}

std::string_view GalileanMoonName(int moon) {
  return moon >= 1 && moon <= 4 ? kNames[static_cast<std::size_t>(moon - 1)] : "";
}

std::string MoonEventCode(const MoonEvent& event) {
  const MoonEventKindInfo& info = KindInfo(event.kind);
  std::string code(MoonNumeral(event.moon));
  code += '.';
  code += info.code;
  code += '.';
  code += event.begins ? info.begin_code : info.end_code;
  return code;
}

std::string MoonEventText(const MoonEvent& event) {
  const MoonEventKindInfo& info = KindInfo(event.kind);
  std::string text(event.begins ? info.begin_text : info.end_text);
  const std::size_t at = text.find('@');
  if (at != std::string::npos) text.replace(at, 1, GalileanMoonName(event.moon));
  return text;
}

MoonEventList FindMoonEvents(const MoonEventQuery& query, Prompter& prompter) {
  Search search(query, prompter);
  return search.Run();
}

MoonEventSearchFigures MoonEventSearchParameters() {
  MoonEventSearchFigures figures{kNodeStep, kSubStep, kSceneJump, {}, {}};
  for (std::size_t k = 0; k < 4; ++k) {
    figures.band[k] = Bounds()[k].band;
    figures.speed[k] = Bounds()[k].speed;
  }
  return figures;
}

}  // namespace jovi
