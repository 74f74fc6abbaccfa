// Random clouds over the telescope: whether the sky is clouded at a redraw, and which cloud
// picture covers it.
#pragma once

#include <string>

#include "session/random_source.h"
#include "session/session_settings.h"
#include "util/real.h"

namespace jovi {

inline constexpr int kCloudPictures = 7;

struct CloudDecision {
  bool animating = false;             // no clouds while the animation runs
  bool magnification_changed = false; // such a redraw neither starts nor ends a cloud
  Real jd = 0;                 // the observation time
  std::string cloud_folder;           // ProgramDir + CloudImgsDir, without the separator
};

// Updates `clouds` for one redraw and returns whether the sky is clouded. A new cloud picks
// its picture "Clouds n.bmp" (n = 1..7) into CloudFile.
bool UpdateClouds(CloudState& clouds, const CloudDecision& now, RandomSource& random);

}  // namespace jovi
