// Everything the top view paints, decided from the scene and the View menu's settings: the
// orbits, the arrow towards the Earth, the eclipse-zone lines, Jupiter and the four moons.
#pragma once

#include <array>
#include <optional>

#include "astro/satellite_scene.h"
#include "session/eclipse_watch.h"
#include "session/top_view_geometry.h"
#include "util/real.h"

namespace jovi {

// The View menu's check marks and the colour switch of the features dialog.
struct TopViewSettings {
  bool ShowOrbits = true;
  bool ShowEclipseZone = false;
  EclipseDisplay Eclipses = EclipseDisplay::DontShow;
  bool UseIDColors = false;
};

inline constexpr Rgb kTopViewOrbitColour{128, 128, 128};
inline constexpr Rgb kTopViewZoneColour{0, 255, 0};
inline constexpr Rgb kTopViewTextColour{255, 255, 255};
inline constexpr const char* kToEarthText = "To Earth";

struct TopViewMoon {
  ViewPoint At;
  MoonGlyph Glyph;
  Rgb Colour;
};

struct TopViewPlan {
  TopViewLayout Layout;
  std::array<ViewBox, 5> Boxes{};  // Jupiter's disc, then the orbits of moons 1..4
  bool ShowOrbits = true;
  ArrowPlacement Arrow;
  std::optional<std::array<ViewLine, 2>> ZoneLines;
  std::array<TopViewMoon, 4> Moons{};
};

// `angle` is the Sun's direction seen from Jupiter (TopViewAngleAt); the arrow icon's size
// places it and the words under it.
TopViewPlan PlanTopView(const TopViewLayout& layout, const std::array<SatelliteState, 4>& moons,
                        Real angle, const TopViewSettings& settings, int icon_width,
                        int icon_height);

// The white ring around an identified moon (1..4): the square 10 pixels each way around it,
// only when both its coordinates are above 0. Nothing for moon 0.
std::optional<ViewBox> MoonMarkBox(const TopViewPlan& plan, int moon);

}  // namespace jovi
