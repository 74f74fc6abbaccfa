// The geometry of the moons' mutual events at one instant: one moon's disc over another seen
// from the Earth (occultation), one moon's shadow on another seen from the Sun (eclipse), and
// the light each moon loses to them.
//
// Lengths are in Jupiter equatorial radii, in the scene's frames (X, Y, Z seen from the Earth,
// SunX, SunY, SunZ seen from the Sun; Z away from the viewer).
#pragma once

#include <array>

#include "astro/satellite_scene.h"
#include "util/real.h"

namespace jovi {

// Mean radii of Io, Europa, Ganymede and Callisto (IAU Working Group on Cartographic
// Coordinates and Rotational Elements, 2015 report: 1821.49, 1560.8, 2631.2 and 2410.3 km) in
// Jupiter's equatorial radius of the same report (71492 km).
inline constexpr Real kJupiterEquatorialRadiusKm = 71492.0_r;
inline constexpr std::array<Real, 4> kMoonMeanRadius = {
    1821.49_r / kJupiterEquatorialRadiusKm, 1560.8_r / kJupiterEquatorialRadiusKm,
    2631.2_r / kJupiterEquatorialRadiusKm, 2410.3_r / kJupiterEquatorialRadiusKm};
// The Sun's nominal radius (IAU 2015 Resolution B3) and the astronomical unit, in km.
inline constexpr Real kSunRadiusKm = 695700.0_r;
inline constexpr Real kAstronomicalUnitKm = 149597870.7_r;

// The area common to two discs of radii r1 and r2 whose centres are d apart.
Real DiscOverlapArea(Real r1, Real r2, Real d);

// One moon (b) against another (a) for one viewer, all lengths at b's distance from the viewer.
struct MutualDiscs {
  int a = 0, b = 0;            // moons 1-4; a is the nearer to the viewer
  Real separation = 0;  // of the centres (b's centre from a's centre or shadow axis)
  Real radius_b = 0;    // b's disc
  Real inner = 0;       // occultation: a's disc; eclipse: the umbra (< 0: antumbra)
  Real outer = 0;       // occultation: a's disc; eclipse: the penumbra
  Real depth = 0;       // eclipse: b's distance behind a along the Sun's rays
  Real sun_angle = 0;   // eclipse: the Sun's apparent radius (radians)

  // How far the discs are from first contact: negative while b meets a's disc or penumbra.
  Real Clearance() const { return separation - outer - radius_b; }
};

enum class MutualKind { Occultation, Eclipse };

// The scene's moons i and j (1-4, i != j) for one viewer (the scene's JupiterDistance gives its
// perspective); sun_distance_au is Jupiter's distance from the Sun. a is the moon nearer the
// viewer.
MutualDiscs OccultationDiscs(const ObservationScene& scene, int i, int j);
MutualDiscs EclipseDiscs(const ObservationScene& scene, int i, int j, Real sun_distance_au);

// The fraction of b's light lost (uniform disc): the part a covers, or, for an eclipse, the
// sunlight a takes from each point of b (a uniform Sun partly covered by a's disc), averaged
// over b's disc.
Real LightLost(const MutualDiscs& discs, MutualKind kind);

// Partial, annular or total at that instant: 'P', 'A' or 'T'.
char EventKindLetter(const MutualDiscs& discs, MutualKind kind);

// For each moon, the fraction of its light that reaches the Earth given the others' shadows and
// discs (1 when no mutual event is under way): an eclipsed part is darkened, an occulted part
// hidden. Jupiter's own shadow and disc are not counted (the scene's flags tell those).
std::array<Real, 4> MutualLightRemaining(const ObservationScene& scene,
                                                Real sun_distance_au);

// Jupiter's distance from the Sun (AU) at a UT Julian date; NaN when the ephemeris fails.
Real JupiterSunDistance(Real jd);

}  // namespace jovi
