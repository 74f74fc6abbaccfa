// The four Galilean satellites at one instant, as seen from the Earth and from the Sun.
//
// Offsets are in Jupiter equatorial radii: X towards the west (decreasing ecliptic longitude),
// Y towards Jupiter's north pole as projected on the sky, Z away from the viewer. The same three
// for a viewer at the Sun drive the eclipse and shadow tests.
#pragma once

#include <array>

#include "astro/galilean_series.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

struct SatelliteState {
  Real X = 0, Y = 0, Z = 0;
  Real SunX = 0, SunY = 0, SunZ = 0;
  Real Longitude = 0;  // L, radians, precession to the date included
  Real Latitude = 0;   // B, radians
  Real Radius = 0;     // R, Jupiter equatorial radii
  bool Occulted = false;      // behind the disc as seen from the Earth
  bool Eclipsed = false;      // inside Jupiter's shadow
  bool ShadowOnDisc = false;  // its shadow falls on the disc
};

// Intermediate values of the last computation, kept for inspection.
struct SceneWorkingValues {
  Real t = 0;                      // days from 1976 August 10.0 TD, light time removed
  Real lambda0 = 0, beta0 = 0;     // Jupiter's geocentric direction
  Real lambdaH = 0, betaH = 0;     // Jupiter's heliocentric direction
  Real Gamma = 0, PhiLambda = 0, psi = 0, Phi = 0, Omega = 0, i = 0;
  Real G = 0, Gdash = 0, PI = 0;
  std::array<Real, 4> l{}, pi{}, w{};
  std::array<Real, 4> longitude_sum{}, latitude_sum{}, radius_sum{};
  int light_time_passes = 0;  // how often the Jupiter ephemeris ran
  bool jupiter_failed = false;
  // The failure was the coefficient file's (FileError of the Jupiter ephemeris): missing, a
  // damaged record, or a light-time iteration that did not settle in kMostLightTimePasses.
  bool file_error = false;
};

class ObservationScene {
 public:
  // Computes the scene at jde (dynamical time). Messages of the Jupiter ephemeris go to
  // `prompter`, at most one per call. When Jupiter's place cannot be had (a date out of range,
  // a missing or damaged coefficient file, a light time that does not settle) every value stays
  // finite and the moons are put behind the disc.
  void Compute(Real jde, Prompter& prompter);

  // Moon k = 1 Io, 2 Europa, 3 Ganymede, 4 Callisto.
  const SatelliteState& Satellite(int k) const { return satellites_[static_cast<std::size_t>(k - 1)]; }
  const std::array<SatelliteState, 4>& Satellites() const { return satellites_; }
  const SceneWorkingValues& Working() const { return working_; }

  // Earth-Jupiter distance (AU) of the last computation; the next light-time iteration starts
  // from it (from 5.0 AU when it is 0).
  Real JupiterDistance = 0;

 private:
  std::array<SatelliteState, 4> satellites_{};
  SceneWorkingValues working_{};
};

// The program-wide scene, and its computation (messages to ProgramPrompter()).
ObservationScene& ProgramScene();
void ComputeScene(Real jde);

// Disc flattening applied to north-south offsets in the disc tests.
inline constexpr Real kDiscFlattening = 1.071374_r;

// Inside the (flattened) disc, the limb included.
bool InsideDisc(Real x, Real y);

// Occulted, Eclipsed and ShadowOnDisc from the offsets: behind the disc seen from the Earth,
// behind it seen from the Sun, in front of it seen from the Sun. A moon exactly level with
// Jupiter (Z or SunZ 0) gets none of them.
void SetDiscFlags(SatelliteState& s);

}  // namespace jovi
