// Mutual events in the telescope: a moon losing light to another moon's shadow or disc is
// drawn dimmer in proportion, so that a student animating through an event sees it fade.
#pragma once

#include <array>
#include <vector>

#include "astro/satellite_scene.h"
#include "session/eclipse_watch.h"
#include "util/real.h"

namespace jovi {

// The fraction of each moon's light that reaches the Earth at UT `jd` (the scene computed for
// it): an eclipsed part darkens a moon, an occulted part hides it. All 1 when Jupiter's
// distance from the Sun is not known.
std::array<Real, 4> MutualMoonLight(const ObservationScene& scene, Real jd);

// Scales the colour of each moon's glyph by its light. A moon that sends (almost) none is left
// out, and dimmed moons are painted before the others, so that a moon passing in front of
// another covers it. Shadows and crosses are left as they are.
void DimMoonMarks(std::vector<MoonMark>& marks, const std::array<Real, 4>& light);

}  // namespace jovi
