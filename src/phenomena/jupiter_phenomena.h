// Jupiter's opposition, conjunction and quadratures nearest an observation time, and the
// Earth-Jupiter distance at that time.
#pragma once

#include <string>
#include <vector>

#include "astro/date_time.h"
#include "astro/planet_body.h"
#include "astro/sun_body.h"
#include "phenomena/root_finder.h"
#include "util/real.h"

namespace jovi {

// The elongation error of Jupiter from the Sun at a dynamical date, for a target elongation.
// When the Jupiter ephemeris fails (a date out of range, a missing or damaged coefficient file)
// Func throws ReportedFailure: its message has been shown, and the search gives up.
class JupConjOppObj : public RFRootOBJ {
 public:
  explicit JupConjOppObj(Prompter* prompter = nullptr);
  // The finder's own messages to `prompter`, the ephemeris's to `ephemeris_messages`.
  JupConjOppObj(Prompter* prompter, Prompter* ephemeris_messages);
  Real Func(Real x) override;

  PlanetBody Jupiter;  // apparent
  SunBody Sun;         // apparent
  Real TargetElongation = 0;  // pi opposition, 0 conjunction, -+pi/2 quadratures
};

class TJupPhenomObj {
 public:
  explicit TJupPhenomObj(Prompter* prompter = nullptr);

  // Fills every result for the observation time (UT). Of the Jupiter ephemeris's messages
  // only the first of a computation is shown; the searches it fails end "Not found".
  void ComputePhenomena(const DateTimeRec& observation_time);

  // Whether the Jupiter ephemeris failed in the last computation (and said so).
  bool EphemerisFailed() const { return ephemeris_messages_.Shown(); }

  // The sixteen lines of the phenomena list.
  std::vector<std::string> Lines() const;

  DateTimeRec OppositionTime, ConjunctionTime, WestQuadratureTime, EastQuadratureTime;
  Real EarthJupiterDistance = 0;  // AU, light time included
  // Whether each event's root was found (opposition, conjunction, west, east), and the distance.
  std::array<bool, 4> Found{};
  bool DistanceFound = false;

 private:
  FirstMessageOnly ephemeris_messages_;  // before Finder, which sends messages to it

 public:
  JupConjOppObj Finder;

 private:
  DateTimeRec observation_time_;
};

// The light-time corrected Earth-Jupiter distance (AU) at a dynamical date; NaN when the
// Jupiter ephemeris does not serve it or the iteration does not settle in kMostLightTimePasses
// (a coefficient file error, then, with its message).
Real EarthJupiterDistanceAt(Real jde, Prompter* prompter = nullptr);

}  // namespace jovi
