// Jupiter from the outer-planet coefficient file: heliocentric and geocentric positions, the
// geometry of the Sun-Jupiter-Earth triangle, magnitude, the nearest opposition and
// conjunction, and the longitudes of the central meridian.
#pragma once

#include <cstdint>
#include <string>

#include "astro/celestial_body.h"
#include "astro/central_meridians.h"
#include "astro/coefficient_block.h"
#include "astro/outer_planet_records.h"
#include "astro/position_rec.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

class PlanetBody : public CelestialBody {
 public:
  // Jupiter, holding the built-in block (1990-1994). Messages go to `prompter`, or to the
  // program's prompter of the moment when it is null.
  explicit PlanetBody(std::uint8_t kind, Prompter* prompter = nullptr);

  // Slot 1: l in [0, 2pi), b (rad) and r (AU) from the block that covers jd. jd is taken as
  // Universal Time (delta T is added); the error flags are not consulted.
  void HeliocentricPosition(Real jd, PositionRec& pos, Real& r) override;
  // Slot 2: geocentric longitude (in (-pi, pi] for kind 0), latitude and distance Delta,
  // without light time. Kind 1 adds the aberration and nutation corrections.
  void GeocentricPosition(Real jd, PositionRec& pos, Real& dist) override;
  // Slot 4: whether the ephemeris serves jd (neither flag set after looking it up).
  virtual bool IsAvailable(Real jd);
  // Slot 5: the correction added to an apparent geocentric longitude, radians.
  virtual Real LongitudeCorrection(Real jd);
  // Slot 6: the correction added to an apparent geocentric latitude (none).
  virtual Real LatitudeCorrection(Real jd);
  // Slot 7: visual magnitude.
  virtual Real Magnitude(Real jd);
  // Slot 8: the opposition and conjunction nearest the date and the bracket around the
  // opposition (NextOpposition, NextConjunction, BracketLow, BracketHigh).
  virtual void EstimateConjunctionOpposition(Real jd);
  // Slot 9: distances, phase and 5 log10(r Delta) at jd; recomputed only when jd changes.
  virtual void UpdateGeometry(Real jd);

  // Where messages of this body go.
  Prompter& Messages() const;

  std::string Name = "Jupiter";
  float SemiDiameter = 98.44f;  // arcseconds at 1 AU
  Real MagnitudeV0 = -9.40_r;
  Real MagnitudeA1 = 0.005_r;
  Real MagnitudeA2 = 0;
  Real MagnitudeA3 = 0;
  Real OppositionEpoch = 2451870.628_r;
  Real ConjunctionEpoch = 2451671.186_r;
  Real SynodicPeriod = 398.884046_r;  // days
  Real NextOpposition = 0;
  Real NextConjunction = 0;
  Real BracketHigh = 0;
  Real BracketLow = 0;
  Real CachedJD;           // of the last geometry update (none yet: NaN)
  Real HelioDistance = 0;  // r, AU
  Real GeoDistance = 0;    // Delta, AU
  Real SunDistance = 0;    // R, AU
  Real FiveLogRDelta = 0;
  Real CosPhase = 0;
  bool OutOfRange = false;
  bool FileError = false;
  CoefficientBlock Block;
  Real BlockStart = 0;  // validity of Block, dynamical JDs
  Real BlockEnd = 0;
  std::uint8_t PlanetIndex = 5;

 private:
  Prompter* prompter_;
};

// The light-time iterations (the scene's, the phenomena's Earth-Jupiter distance) settle in two
// or three passes; one that has not settled after this many is taken as a damaged file.
inline constexpr int kMostLightTimePasses = 10;
// Jupiter's distances from the Sun and from the Earth a light-time iteration may meet, AU: any
// other (Jupiter at the Sun, say, where its direction is undefined) comes from a damaged
// coefficient file.
inline constexpr Real kLeastJupiterDistance = 0.1_r;
inline constexpr Real kMostJupiterDistance = 100.0_r;

// Sets FileError and shows "*** Outer Planets Coefficients File Error ***" naming the file:
// "... Not Accessible!" or, for a damaged record, "... Damaged!".
void ReportCoefficientFileError(PlanetBody& planet, bool damaged);

// Makes sure the planet's block covers jd (taken as UT: delta T is added), reading the
// coefficient file when it does not, and returns the polynomial argument t. Sets OutOfRange
// (and shows a message) for a year outside the planet's range, FileError (and a message) when
// the record cannot be read or is damaged (a value that is not finite, a block that does not
// cover the instant); t is then 0, the start of the block held, which is left as it was.
Real PlanetTimeArgument(PlanetBody& planet, Real jd);

}  // namespace jovi
