#include "session/moon_dimming.h"

#include <algorithm>
#include <cmath>

#include "almanac/mutual_geometry.h"
#include "util/real.h"

namespace jovi {

namespace {

// Below half a step of an 8-bit colour nothing is left to draw.
constexpr Real kFaintest = 0.5_r / 255;
constexpr Real kMeanSunDistance = 5.2_r;  // AU
constexpr Real kPenumbraSlack = 0.01_r;   // Jupiter radii

bool IsMoonGlyph(const MoonMark& mark) {
  return mark.kind == MoonMark::Kind::Glyph && !(mark.colour == kShadowColour);
}

int Scaled(int channel, Real light) {
  return static_cast<int>(std::lround(static_cast<Real>(channel) * light));
}

}  // namespace

std::array<Real, 4> MutualMoonLight(const ObservationScene& scene, Real jd) {
  // Jupiter's distance from the Sun only sizes the penumbrae (by under 5 % of their widening,
  // under 0.004 radii); it is looked up only when some moon is that near another's shadow.
  bool shadow_near = false;
  for (int i = 1; i <= 4; ++i) {
    for (int j = i + 1; j <= 4; ++j) {
      shadow_near =
          shadow_near || EclipseDiscs(scene, i, j, kMeanSunDistance).Clearance() < kPenumbraSlack;
    }
  }
  const Real sun_distance = shadow_near ? JupiterSunDistance(jd) : kMeanSunDistance;
  if (!std::isfinite(sun_distance)) return {1, 1, 1, 1};
  return MutualLightRemaining(scene, sun_distance);
}

void DimMoonMarks(std::vector<MoonMark>& marks, const std::array<Real, 4>& light) {
  auto light_of = [&](const MoonMark& mark) {
    return mark.moon >= 1 && mark.moon <= 4 ? light[static_cast<std::size_t>(mark.moon - 1)] : 1;
  };
  std::vector<MoonMark> dimmed, others;
  for (MoonMark& mark : marks) {
    const Real l = light_of(mark);
    if (!IsMoonGlyph(mark) || l >= 1) {
      others.push_back(mark);
      continue;
    }
    if (l < kFaintest) continue;
    mark.colour = {Scaled(mark.colour.r, l), Scaled(mark.colour.g, l), Scaled(mark.colour.b, l)};
    dimmed.push_back(mark);
  }
  dimmed.insert(dimmed.end(), others.begin(), others.end());
  marks = std::move(dimmed);
}

}  // namespace jovi
