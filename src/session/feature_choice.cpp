#include "session/feature_choice.h"

namespace jovi {

FeatureBoxes FeatureBoxesFor(const FeatureSettings& f, const OptsRec& o) {
  FeatureBoxes boxes{{{o.AllowAnimation, f.Animation},
                      {o.IdentifyMoon, f.UseIDColors},
                      {o.AllowTopView, f.ShowTopView},
                      {o.EclipseVisibility, f.StopOnEclipse},
                      {o.EclipseVisibility, f.ShowEclipsedMoon}}};
  // The eclipse boxes show unchecked while the option forbids them.
  for (std::size_t i = 3; i < 5; ++i) boxes[i].checked = boxes[i].checked && boxes[i].enabled;
  return boxes;
}

FeatureSettings FeaturesFromBoxes(const FeatureBoxes& b) {
  return {b[0].checked, b[1].checked, b[2].checked, b[3].checked, b[4].checked};
}

}  // namespace jovi
