// Where things stand in the top view: Jupiter and the moons seen from far above the orbits,
// the Earth towards the bottom of the picture (x to the right, y downwards, in pixels).
#pragma once

#include <array>
#include <cstdint>

#include "astro/satellite_scene.h"
#include "util/real.h"

namespace jovi {

struct TopViewLayout {
  Real Scale = 10;  // pixels per Jupiter equatorial radius
  int Width = 0, Height = 0;
  int CentreX = 0, CentreY = 0;
  bool Large = true;
};

// 304 x 344, 5.5 px per radius, Jupiter at (151, 151).
TopViewLayout NormalTopView();
// A square as wide as the main window's client area, 10 px per radius, Jupiter a little above
// the middle.
TopViewLayout LargeTopView(int main_client_width);

struct ViewBox {
  std::int16_t Left, Top, Right, Bottom;
};
struct ViewPoint {
  int X, Y;
  bool operator==(const ViewPoint&) const = default;
};
struct ViewLine {
  ViewPoint From, To;
};

// Orbit radii in Jupiter radii: Jupiter itself, then Io, Europa, Ganymede, Callisto.
inline constexpr std::array<Real, 5> kOrbitRadius = {1.0_r, 5.9073_r, 9.39912_r, 14.9924_r,
                                                            26.3699_r};

// The bounding squares of Jupiter's disc (0) and of the four orbits (1..4).
std::array<ViewBox, 5> OrbitBoxes(const TopViewLayout& layout);

// A moon's place: its west offset X to the right, its depth Z (away from the Earth) upwards.
ViewPoint MoonPosition(const TopViewLayout& layout, const SatelliteState& moon);

// The direction of the Sun seen from Jupiter in the picture, radians: the angle at Jupiter of
// the Sun-Earth-Jupiter triangle, signed by Jupiter's elongation (east positive).
Real TopViewAngle(Real sun_earth, Real sun_jupiter, Real earth_jupiter,
                         Real jupiter_longitude, Real sun_longitude);

// The same from the ephemerides at a dynamical time (apparent places).
Real TopViewAngleAt(Real jde);

struct ArrowPlacement {
  ViewPoint Icon;      // top left of the arrow icon
  ViewPoint Text;      // "To Earth"
  int ZoneLength = 0;  // length of the eclipse-zone lines
};
ArrowPlacement PlaceArrow(const TopViewLayout& layout, int icon_width, int icon_height);

// The two lines bounding Jupiter's shadow on the side away from the Sun.
std::array<ViewLine, 2> EclipseZoneLines(const TopViewLayout& layout, Real angle,
                                         int zone_length);

enum class EclipseDisplay { Hide, Plus, DontShow };
enum class TopViewMark { Dot, Plus, Nothing };

struct MoonGlyph {
  TopViewMark Mark = TopViewMark::Dot;
  int Size = 2;  // half-width of the dot
};

// How a moon is drawn: eclipsed moons as "+" or not at all when the display asks for it,
// everything else as a dot, smaller without the orbits.
MoonGlyph TopViewGlyph(bool eclipsed, EclipseDisplay display, bool show_orbits);

}  // namespace jovi
