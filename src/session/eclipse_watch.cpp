#include "session/eclipse_watch.h"

namespace jovi {

std::string EclipseNotice::Text() const {
  std::string text = "Satellite ";
  text.append(std::to_string(moon))
      .append(entered ? " is Eclipsed!" : " is out of Eclipse!")
      .append("\r\n\r\nPress \"OK\" to Continue Animation.");
  return text;
}

MoonPlan PlanMoons(const std::array<SatelliteState, 4>& moons, const MoonPixelSet& pixels,
                   const FeatureSettings& features, bool animating,
                   std::array<bool, 4>& eclipsed) {
  MoonPlan plan;
  for (std::size_t i = 0; i < moons.size(); ++i) {
    const SatelliteState& moon = moons[i];
    const MoonPixels& at = pixels[i];
    if (moon.Occulted || at.X < 1 || at.Y < 1) continue;
    const int number = static_cast<int>(i) + 1;
    const Rgb colour = features.UseIDColors ? kMoonIdColours[i] : kMoonColour;
    auto stop = [&](bool entered) {
      if (features.StopOnEclipse && animating && !plan.notice) {
        plan.notice = EclipseNotice{number, entered};
      }
    };
    if (moon.Eclipsed) {
      if (features.ShowEclipsedMoon) {
        plan.marks.push_back({MoonMark::Kind::Cross, number, at.X, at.Y, colour});
      }
      if (!eclipsed[i]) {
        eclipsed[i] = true;
        stop(true);
      }
    } else if (eclipsed[i]) {
      eclipsed[i] = false;
      plan.marks.push_back({MoonMark::Kind::Glyph, number, at.X, at.Y, colour});
      stop(false);
    } else {
      if (moon.ShadowOnDisc) {
        plan.marks.push_back({MoonMark::Kind::Glyph, number, at.ShadowX, at.ShadowY, kShadowColour});
      }
      plan.marks.push_back({MoonMark::Kind::Glyph, number, at.X, at.Y, colour});
    }
  }
  return plan;
}

}  // namespace jovi
