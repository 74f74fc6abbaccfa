#include "phenomena/jupiter_phenomena.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

#include "astro/time_scales.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kTwoPi = 2 * kPi;
constexpr Real kRootTolerance = 1e-07_r;  // days
constexpr Real kFirstStep = 10;          // days
constexpr Real kLightDaysPerAU = 0.0057755183_r;
constexpr Real kKmPerAU = 149597870.66_r;

// Into (-pi, pi] by whole turns, when outside.
Real WithinHalfTurn(Real a) {
  if (std::fabs(a) > kPi) a -= kTwoPi * std::nearbyint(a / kTwoPi);
  return a;
}

// "March 5, 2010 14:30:00"
std::string DateAndTime(const DateTimeRec& rec) {
  return LongDateText(rec) + " " + TimeText(rec.UTTime, 0, ":", ":", "");
}

std::string EventLine(const DateTimeRec& rec, bool found) {
  if (!found) return "     Not found: the search for this event did not succeed.";
  return "     " + DateAndTime(rec) + " UT (JD: " + JDText(rec, 6) + ")";
}

}  // namespace

JupConjOppObj::JupConjOppObj(Prompter* prompter) : JupConjOppObj(prompter, prompter) {}

JupConjOppObj::JupConjOppObj(Prompter* prompter, Prompter* ephemeris_messages)
    : RFRootOBJ(prompter), Jupiter(kApparent, ephemeris_messages), Sun(kApparent) {}

Real JupConjOppObj::Func(Real x) {
  PositionRec pos;
  Real dist = 0;
  Jupiter.GeocentricPosition(x, pos, dist);
  if (Jupiter.OutOfRange || Jupiter.FileError) throw ReportedFailure("Jupiter ephemeris failed");
  const Real d = WithinHalfTurn(pos.Longitude - SunLongitude(Sun, x));
  return WithinHalfTurn(d - TargetElongation);
}

Real EarthJupiterDistanceAt(Real jde, Prompter* prompter) {
  SunBody sun(kGeometric);
  PlanetBody jupiter(kGeometric, prompter);
  PositionRec pos;
  Real R = 0;
  sun.GeocentricPosition(jde, pos, R);
  const Real X = R * std::cos(pos.Longitude);
  const Real Y = R * std::sin(pos.Longitude);
  const Real Z = R * std::sin(pos.Latitude);
  constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
  Real delta = 5;
  for (int pass = 0; pass < kMostLightTimePasses; ++pass) {
    const Real tau = kLightDaysPerAU * delta;
    Real r = 0;
    jupiter.HeliocentricPosition(jde - tau, pos, r);
    if (jupiter.OutOfRange || jupiter.FileError) return kNaN;
    const Real x = r * std::cos(pos.Latitude) * std::cos(pos.Longitude) + X;
    const Real y = r * std::cos(pos.Latitude) * std::sin(pos.Longitude) + Y;
    const Real z = r * std::sin(pos.Latitude) + Z;
    const Real next = std::sqrt(x * x + y * y + z * z);
    const bool plausible = r >= kLeastJupiterDistance && r <= kMostJupiterDistance &&
                           next >= kLeastJupiterDistance && next <= kMostJupiterDistance;
    if (!plausible) break;  // NaN too
    const bool done = std::fabs(delta - next) < 0.01_r;
    delta = next;
    if (done) return delta;
  }
  ReportCoefficientFileError(jupiter, true);
  return kNaN;
}

TJupPhenomObj::TJupPhenomObj(Prompter* prompter)
    : ephemeris_messages_(prompter), Finder(prompter, &ephemeris_messages_) {}

void TJupPhenomObj::ComputePhenomena(const DateTimeRec& observation_time) {
  observation_time_ = observation_time;
  ephemeris_messages_.Reset();
  const Real t = TDTFromUT(ToJD(observation_time));
  Finder.Jupiter.EstimateConjunctionOpposition(t);
  struct Event {
    Real target;
    Real start;
    DateTimeRec* time;
  };
  const Event events[] = {
      {kPi, Finder.Jupiter.NextOpposition, &OppositionTime},
      {0, Finder.Jupiter.NextConjunction, &ConjunctionTime},
      {-kPi / 2, Finder.Jupiter.BracketLow, &WestQuadratureTime},
      {kPi / 2, Finder.Jupiter.BracketHigh, &EastQuadratureTime},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    Finder.TargetElongation = events[i].target;
    Found[i] = false;
    if (!Finder.InitBracket(true, kRootTolerance, kFirstStep, events[i].start)) continue;
    const Real root = Finder.FindRoot();
    if (Finder.Failed) continue;
    *events[i].time = DateTimeRec{};
    SetFromJD(*events[i].time, UTFromTDT(root));
    Found[i] = true;
  }
  EarthJupiterDistance = EarthJupiterDistanceAt(t, &ephemeris_messages_);
  DistanceFound = std::isfinite(EarthJupiterDistance);
}

std::vector<std::string> TJupPhenomObj::Lines() const {
  std::string distance = "     Not available: Jupiter's place is not known for this date.";
  if (DistanceFound) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "     %.5" JOVI_REAL_LEN "f AU (%.5" JOVI_REAL_LEN "E Km)", EarthJupiterDistance,
                  EarthJupiterDistance * kKmPerAU);
    distance = buf;
  }
  return {
      "Jupiter phenomena occurring near " + LongDateText(observation_time_),
      "",
      "Opposition:",
      EventLine(OppositionTime, Found[0]),
      "",
      "Conjunction:",
      EventLine(ConjunctionTime, Found[1]),
      "",
      "Quadrature (Sun Elongation 90\u00b0 West):",
      EventLine(WestQuadratureTime, Found[2]),
      "",
      "Quadrature (Sun Elongation 90\u00b0 East):",
      EventLine(EastQuadratureTime, Found[3]),
      "",
      "Earth-Jupiter Distance " + DateAndTime(observation_time_) + " UT (JD: " +
          JDText(observation_time_, 6) + "):",
      distance,
  };
}

}  // namespace jovi
