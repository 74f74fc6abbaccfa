// What the telescope draws of each moon, and the watch on moons entering and leaving
// Jupiter's shadow that can stop the animation.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "astro/satellite_scene.h"
#include "session/session_settings.h"
#include "session/telescope_geometry.h"

namespace jovi {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kMoonColour{255, 192, 0};
inline constexpr Rgb kShadowColour{0, 0, 0};
// Io, Europa, Ganymede, Callisto with ID colours.
inline constexpr std::array<Rgb, 4> kMoonIdColours{
    {{255, 0, 255}, {255, 255, 255}, {0, 255, 255}, {255, 255, 0}}};

// One thing painted over Jupiter, in painting order.
struct MoonMark {
  enum class Kind { Glyph, Cross };
  Kind kind = Kind::Glyph;
  int moon = 0;  // 1..4
  int x = 0, y = 0;
  Rgb colour;
  bool operator==(const MoonMark&) const = default;
};

// The stop message of an eclipse entry or exit seen while animating.
struct EclipseNotice {
  int moon = 0;
  bool entered = true;
  std::string Text() const;
};
inline constexpr const char* kEclipseNoticeCaption = "Animation Stop on Eclipse";

struct MoonPlan {
  std::vector<MoonMark> marks;
  // Set when a moon entered or left eclipse while the animation ran with StopOnEclipse:
  // the animation is to stop before the notice is shown.
  std::optional<EclipseNotice> notice;
};

// The moons' marks for one clear-sky redraw, updating `eclipsed` (the state seen at the last
// drawing). Moons that are occulted or whose pixel has x or y below 1 are skipped and keep
// their state. Only the first change seen while animating stops the animation.
MoonPlan PlanMoons(const std::array<SatelliteState, 4>& moons, const MoonPixelSet& pixels,
                   const FeatureSettings& features, bool animating,
                   std::array<bool, 4>& eclipsed);

}  // namespace jovi
