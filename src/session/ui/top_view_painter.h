// Paints the top view's picture from the plan the core made: black field, grey orbits, the
// arrow and "To Earth", the green eclipse-zone lines, Jupiter and the moons.
#pragma once

#include <QImage>

#include <optional>

#include "session/top_view_plan.h"

namespace jovi {

// `image` is made the plan's size; `arrow` may be null (no icon file). `mark` rings a moon.
void PaintTopView(QImage& image, const TopViewPlan& plan, const QImage& arrow,
                  const std::optional<ViewBox>& mark = std::nullopt);

}  // namespace jovi
