#include "session/top_view_plan.h"

#include "util/real.h"

namespace jovi {

namespace {

constexpr int kMarkRadius = 10;

}  // namespace

TopViewPlan PlanTopView(const TopViewLayout& layout, const std::array<SatelliteState, 4>& moons,
                        Real angle, const TopViewSettings& settings, int icon_width,
                        int icon_height) {
  TopViewPlan plan;
  plan.Layout = layout;
  plan.Boxes = OrbitBoxes(layout);
  plan.ShowOrbits = settings.ShowOrbits;
  plan.Arrow = PlaceArrow(layout, icon_width, icon_height);
  if (settings.ShowEclipseZone) {
    plan.ZoneLines = EclipseZoneLines(layout, angle, plan.Arrow.ZoneLength);
  }
  for (std::size_t i = 0; i < moons.size(); ++i) {
    TopViewMoon& moon = plan.Moons[i];
    moon.At = MoonPosition(layout, moons[i]);
    moon.Glyph = TopViewGlyph(moons[i].Eclipsed, settings.Eclipses, settings.ShowOrbits);
    moon.Colour = settings.UseIDColors ? kMoonIdColours[i] : kMoonColour;
  }
  return plan;
}

std::optional<ViewBox> MoonMarkBox(const TopViewPlan& plan, int moon) {
  if (moon < 1 || moon > 4) return std::nullopt;
  const ViewPoint at = plan.Moons[static_cast<std::size_t>(moon - 1)].At;
  if (at.X <= 0 || at.Y <= 0) return std::nullopt;
  return ViewBox{static_cast<std::int16_t>(at.X - kMarkRadius),
                 static_cast<std::int16_t>(at.Y - kMarkRadius),
                 static_cast<std::int16_t>(at.X + kMarkRadius),
                 static_cast<std::int16_t>(at.Y + kMarkRadius)};
}

}  // namespace jovi
