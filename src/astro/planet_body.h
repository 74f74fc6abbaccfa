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

namespace jovi {

class PlanetBody : public CelestialBody {
 public:
  // Jupiter, holding the built-in block (1990-1994). Messages go to `prompter`, or to the
  // program's prompter of the moment when it is null.
  explicit PlanetBody(std::uint8_t kind, Prompter* prompter = nullptr);

  // Slot 1: l in [0, 2pi), b (rad) and r (AU) from the block that covers jd. jd is taken as
  // Universal Time (delta T is added); the error flags are not consulted.
  void HeliocentricPosition(long double jd, PositionRec& pos, long double& r) override;
  // Slot 2: geocentric longitude (in (-pi, pi] for kind 0), latitude and distance Delta,
  // without light time. Kind 1 adds the aberration and nutation corrections.
  void GeocentricPosition(long double jd, PositionRec& pos, long double& dist) override;
  // Slot 4: whether the ephemeris serves jd (neither flag set after looking it up).
  virtual bool IsAvailable(long double jd);
  // Slot 5: the correction added to an apparent geocentric longitude, radians.
  virtual long double LongitudeCorrection(long double jd);
  // Slot 6: the correction added to an apparent geocentric latitude (none).
  virtual long double LatitudeCorrection(long double jd);
  // Slot 7: visual magnitude.
  virtual long double Magnitude(long double jd);
  // Slot 8: the opposition and conjunction nearest the date and the bracket around the
  // opposition (NextOpposition, NextConjunction, BracketLow, BracketHigh).
  virtual void EstimateConjunctionOpposition(long double jd);
  // Slot 9: distances, phase and 5 log10(r Delta) at jd; recomputed only when jd changes.
  virtual void UpdateGeometry(long double jd);

  // Where messages of this body go.
  Prompter& Messages() const;

  std::string Name = "Jupiter";
  float SemiDiameter = 98.44f;  // arcseconds at 1 AU
  long double MagnitudeV0 = -9.40L;
  long double MagnitudeA1 = 0.005L;
  long double MagnitudeA2 = 0;
  long double MagnitudeA3 = 0;
  long double OppositionEpoch = 2451870.628L;
  long double ConjunctionEpoch = 2451671.186L;
  long double SynodicPeriod = 398.884046L;  // days
  long double NextOpposition = 0;
  long double NextConjunction = 0;
  long double BracketHigh = 0;
  long double BracketLow = 0;
  long double CachedJD;           // of the last geometry update (none yet: NaN)
  long double HelioDistance = 0;  // r, AU
  long double GeoDistance = 0;    // Delta, AU
  long double SunDistance = 0;    // R, AU
  long double FiveLogRDelta = 0;
  long double CosPhase = 0;
  bool OutOfRange = false;
  bool FileError = false;
  CoefficientBlock Block;
  long double BlockStart = 0;  // validity of Block, dynamical JDs
  long double BlockEnd = 0;
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
inline constexpr long double kLeastJupiterDistance = 0.1L;
inline constexpr long double kMostJupiterDistance = 100.0L;

// Sets FileError and shows "*** Outer Planets Coefficients File Error ***" naming the file:
// "... Not Accessible!" or, for a damaged record, "... Damaged!".
void ReportCoefficientFileError(PlanetBody& planet, bool damaged);

// Makes sure the planet's block covers jd (taken as UT: delta T is added), reading the
// coefficient file when it does not, and returns the polynomial argument t. Sets OutOfRange
// (and shows a message) for a year outside the planet's range, FileError (and a message) when
// the record cannot be read or is damaged (a value that is not finite, a block that does not
// cover the instant); t is then 0, the start of the block held, which is left as it was.
long double PlanetTimeArgument(PlanetBody& planet, long double jd);

}  // namespace jovi
