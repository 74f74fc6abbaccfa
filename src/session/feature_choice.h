// The features dialog's five boxes: which may be changed under the options, what they show,
// and what OK stores.
#pragma once

#include <array>

#include "config/options_record.h"
#include "session/session_settings.h"

namespace jovi {

struct FeatureBox {
  bool enabled = true;
  bool checked = false;
};

// Animation, Use ID Colors, Show Top View, Stop Animation on Eclipse, Show Eclipsed Moon.
using FeatureBoxes = std::array<FeatureBox, 5>;

FeatureBoxes FeatureBoxesFor(const FeatureSettings& features, const OptsRec& options);
// OK stores every box's state, enabled or not.
FeatureSettings FeaturesFromBoxes(const FeatureBoxes& boxes);

}  // namespace jovi
