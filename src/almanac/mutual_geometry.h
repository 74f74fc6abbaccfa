// The geometry of the moons' mutual events at one instant: one moon's disc over another seen
// from the Earth (occultation), one moon's shadow on another seen from the Sun (eclipse), and
// the light each moon loses to them.
//
// Lengths are in Jupiter equatorial radii, in the scene's frames (X, Y, Z seen from the Earth,
// SunX, SunY, SunZ seen from the Sun; Z away from the viewer).
#pragma once

#include <array>

#include "astro/satellite_scene.h"

namespace jovi {

// Mean radii of Io, Europa, Ganymede and Callisto (IAU Working Group on Cartographic
// Coordinates and Rotational Elements, 2015 report: 1821.49, 1560.8, 2631.2 and 2410.3 km) in
// Jupiter's equatorial radius of the same report (71492 km).
inline constexpr long double kJupiterEquatorialRadiusKm = 71492.0L;
inline constexpr std::array<long double, 4> kMoonMeanRadius = {
    1821.49L / kJupiterEquatorialRadiusKm, 1560.8L / kJupiterEquatorialRadiusKm,
    2631.2L / kJupiterEquatorialRadiusKm, 2410.3L / kJupiterEquatorialRadiusKm};
// The Sun's nominal radius (IAU 2015 Resolution B3) and the astronomical unit, in km.
inline constexpr long double kSunRadiusKm = 695700.0L;
inline constexpr long double kAstronomicalUnitKm = 149597870.7L;

// The area common to two discs of radii r1 and r2 whose centres are d apart.
long double DiscOverlapArea(long double r1, long double r2, long double d);

// One moon (b) against another (a) for one viewer, all lengths at b's distance from the viewer.
struct MutualDiscs {
  int a = 0, b = 0;            // moons 1-4; a is the nearer to the viewer
  long double separation = 0;  // of the centres (b's centre from a's centre or shadow axis)
  long double radius_b = 0;    // b's disc
  long double inner = 0;       // occultation: a's disc; eclipse: the umbra (< 0: antumbra)
  long double outer = 0;       // occultation: a's disc; eclipse: the penumbra
  long double depth = 0;       // eclipse: b's distance behind a along the Sun's rays
  long double sun_angle = 0;   // eclipse: the Sun's apparent radius (radians)

  // How far the discs are from first contact: negative while b meets a's disc or penumbra.
  long double Clearance() const { return separation - outer - radius_b; }
};

enum class MutualKind { Occultation, Eclipse };

// The scene's moons i and j (1-4, i != j) for one viewer (the scene's JupiterDistance gives its
// perspective); sun_distance_au is Jupiter's distance from the Sun. a is the moon nearer the
// viewer.
MutualDiscs OccultationDiscs(const ObservationScene& scene, int i, int j);
MutualDiscs EclipseDiscs(const ObservationScene& scene, int i, int j, long double sun_distance_au);

// The fraction of b's light lost (uniform disc): the part a covers, or, for an eclipse, the
// sunlight a takes from each point of b (a uniform Sun partly covered by a's disc), averaged
// over b's disc.
long double LightLost(const MutualDiscs& discs, MutualKind kind);

// Partial, annular or total at that instant: 'P', 'A' or 'T'.
char EventKindLetter(const MutualDiscs& discs, MutualKind kind);

// For each moon, the fraction of its light that reaches the Earth given the others' shadows and
// discs (1 when no mutual event is under way): an eclipsed part is darkened, an occulted part
// hidden. Jupiter's own shadow and disc are not counted (the scene's flags tell those).
std::array<long double, 4> MutualLightRemaining(const ObservationScene& scene,
                                                long double sun_distance_au);

// Jupiter's distance from the Sun (AU) at a UT Julian date; NaN when the ephemeris fails.
long double JupiterSunDistance(long double jd);

}  // namespace jovi
