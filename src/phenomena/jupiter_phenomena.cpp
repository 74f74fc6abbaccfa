#include "phenomena/jupiter_phenomena.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

#include "astro/time_scales.h"

namespace jovi {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kTwoPi = 2 * kPi;
constexpr long double kRootTolerance = 1e-07L;  // days
constexpr long double kFirstStep = 10;          // days
constexpr long double kLightDaysPerAU = 0.0057755183L;
constexpr long double kKmPerAU = 149597870.66L;

// Into (-pi, pi] by whole turns, when outside.
long double WithinHalfTurn(long double a) {
  if (std::fabs(a) > kPi) a -= kTwoPi * std::nearbyint(a / kTwoPi);
  return a;
}

// "March 5, 2010 14:30:00": the UT date and time of the instant.
std::string DateAndTime(const DateTimeRec& rec) {
  const DateTimeRec ut = UniversalTime(rec);
  return LongDateText(ut) + " " + TimeText(ut.UTTime, 0, ":", ":", "");
}

std::string EventLine(const DateTimeRec& rec, bool found) {
  if (!found) return "     Not found: the search for this event did not succeed.";
  return "     " + DateAndTime(rec) + " UT (JD: " + JDText(rec, 6) + ")";
}

}  // namespace

JupConjOppObj::JupConjOppObj(Prompter* prompter) : JupConjOppObj(prompter, prompter) {}

JupConjOppObj::JupConjOppObj(Prompter* prompter, Prompter* ephemeris_messages)
    : RFRootOBJ(prompter), Jupiter(kApparent, ephemeris_messages), Sun(kApparent) {}

long double JupConjOppObj::Func(long double x) {
  PositionRec pos;
  long double dist = 0;
  Jupiter.GeocentricPosition(x, pos, dist);
  if (Jupiter.OutOfRange || Jupiter.FileError) throw ReportedFailure("Jupiter ephemeris failed");
  const long double d = WithinHalfTurn(pos.Longitude - SunLongitude(Sun, x));
  return WithinHalfTurn(d - TargetElongation);
}

long double EarthJupiterDistanceAt(long double jde, Prompter* prompter) {
  SunBody sun(kGeometric);
  PlanetBody jupiter(kGeometric, prompter);
  PositionRec pos;
  long double R = 0;
  sun.GeocentricPosition(jde, pos, R);
  const long double X = R * std::cos(pos.Longitude);
  const long double Y = R * std::sin(pos.Longitude);
  const long double Z = R * std::sin(pos.Latitude);
  constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
  long double delta = 5;
  for (int pass = 0; pass < kMostLightTimePasses; ++pass) {
    const long double tau = kLightDaysPerAU * delta;
    long double r = 0;
    jupiter.HeliocentricPosition(jde - tau, pos, r);
    if (jupiter.OutOfRange || jupiter.FileError) return kNaN;
    const long double x = r * std::cos(pos.Latitude) * std::cos(pos.Longitude) + X;
    const long double y = r * std::cos(pos.Latitude) * std::sin(pos.Longitude) + Y;
    const long double z = r * std::sin(pos.Latitude) + Z;
    const long double next = std::sqrt(x * x + y * y + z * z);
    const bool plausible = r >= kLeastJupiterDistance && r <= kMostJupiterDistance &&
                           next >= kLeastJupiterDistance && next <= kMostJupiterDistance;
    if (!plausible) break;  // NaN too
    const bool done = std::fabs(delta - next) < 0.01L;
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
  const long double t = TDTFromUT(ToJD(observation_time));
  Finder.Jupiter.EstimateConjunctionOpposition(t);
  struct Event {
    long double target;
    long double start;
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
    const long double root = Finder.FindRoot();
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
    std::snprintf(buf, sizeof buf, "     %.5Lf AU (%.5LE Km)", EarthJupiterDistance,
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
