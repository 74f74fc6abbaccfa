#include "session/cloud_watch.h"

#include <algorithm>
#include <cmath>

#include "util/real.h"

namespace jovi {

bool UpdateClouds(CloudState& clouds, const CloudDecision& now, RandomSource& random) {
  if (now.animating) {
    clouds.Clouded = false;
  } else if (clouds.Clouded) {
    // A change of magnification does not look at the clock: the cloud stays.
    if (!now.magnification_changed) clouds.Clouded = clouds.CloudEnd > now.jd;
  } else if (!now.magnification_changed && clouds.CloudsEnabled) {
    if (random.Uniform() < static_cast<double>(clouds.CloudChance)) {
      clouds.CloudStart = now.jd;
      clouds.CloudEnd = now.jd + clouds.CloudHours / 24.0_r;
      clouds.Clouded = true;
      const int n = std::clamp(static_cast<int>(std::floor(random.Uniform() * kCloudPictures)) + 1,
                               1, kCloudPictures);
      clouds.CloudFile = now.cloud_folder;
      clouds.CloudFile.append("/Clouds ").append(std::to_string(n)).append(".bmp");
    }
  }
  return clouds.Clouded;
}

}  // namespace jovi
