#include "session/top_view_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/planet_body.h"
#include "astro/sun_body.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

// Rounding to the nearest pixel, halves to even.
int Round(Real v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

TopViewLayout NormalTopView() { return {5.5_r, 304, 344, 151, 151, false}; }

TopViewLayout LargeTopView(int main_client_width) {
  const int w = main_client_width;
  return {10.0_r, w, w, w / 2, w / 2 - 40, true};
}

std::array<ViewBox, 5> OrbitBoxes(const TopViewLayout& layout) {
  std::array<ViewBox, 5> boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const int r = Round(kOrbitRadius[i] * layout.Scale);
    boxes[i] = {static_cast<std::int16_t>(layout.CentreX - r),
                static_cast<std::int16_t>(layout.CentreY - r),
                static_cast<std::int16_t>(layout.CentreX + r),
                static_cast<std::int16_t>(layout.CentreY + r)};
  }
  return boxes;
}

ViewPoint MoonPosition(const TopViewLayout& layout, const SatelliteState& moon) {
  return {Round(moon.X * layout.Scale) + layout.CentreX,
          Round(-moon.Z * layout.Scale) + layout.CentreY};
}

Real TopViewAngle(Real sun_earth, Real sun_jupiter, Real earth_jupiter,
                         Real jupiter_longitude, Real sun_longitude) {
  const Real cosine = (sun_jupiter * sun_jupiter + earth_jupiter * earth_jupiter -
                              sun_earth * sun_earth) /
                             (2 * sun_jupiter * earth_jupiter);
  const Real angle = std::acos(std::clamp(cosine, -1.0_r, 1.0_r));
  Real d = jupiter_longitude - sun_longitude;
  if (std::fabs(d) > kPi) d -= 2 * kPi * (d > 0 ? 1 : -1);
  if (d == 0) return 0;
  return d > 0 ? angle : -angle;
}

Real TopViewAngleAt(Real jde) {
  PlanetBody jupiter(kApparent);
  SunBody sun(kApparent);
  jupiter.UpdateGeometry(jde);
  PositionRec pos;
  Real delta = 0;
  jupiter.GeocentricPosition(jde, pos, delta);
  return TopViewAngle(jupiter.SunDistance, jupiter.HelioDistance, jupiter.GeoDistance,
                      pos.Longitude, SunLongitude(sun, jde));
}

ArrowPlacement PlaceArrow(const TopViewLayout& layout, int icon_width, int icon_height) {
  ArrowPlacement a;
  a.Icon.X = layout.CentreX + 1 - icon_width / 2;
  a.Icon.Y = layout.Height - (icon_height + (layout.Large ? 30 : 5));
  a.Text = {a.Icon.X + 40, a.Icon.Y + 5};
  a.ZoneLength = Round(layout.Scale * kOrbitRadius[4] + (layout.Large ? 10 : 5));
  return a;
}

std::array<ViewLine, 2> EclipseZoneLines(const TopViewLayout& layout, Real angle,
                                         int zone_length) {
  const Real R = layout.Scale * kOrbitRadius[0];
  const ViewPoint back = {Round(zone_length * std::sin(angle)), Round(zone_length * std::cos(angle))};
  std::array<ViewLine, 2> lines{};
  for (int side = 0; side < 2; ++side) {
    const Real limb = angle + (side == 0 ? kPi / 2 : -kPi / 2);
    const ViewPoint p = {layout.CentreX + Round(R * std::sin(limb)),
                         layout.CentreY + Round(R * std::cos(limb))};
    lines[static_cast<std::size_t>(side)] = {{p.X - back.X, p.Y - back.Y}, p};
  }
  return lines;
}

MoonGlyph TopViewGlyph(bool eclipsed, EclipseDisplay display, bool show_orbits) {
  if (eclipsed && display == EclipseDisplay::Plus) return {TopViewMark::Plus, 3};
  if (eclipsed && display == EclipseDisplay::Hide) return {TopViewMark::Nothing, 0};
  return {TopViewMark::Dot, show_orbits ? 2 : 1};
}

}  // namespace jovi
