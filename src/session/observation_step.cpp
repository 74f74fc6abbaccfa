#include "session/observation_step.h"

#include <cmath>

#include "util/real.h"

namespace jovi {

std::optional<Real> StepTarget(Real jd, Real hours) {
  const Real t = jd + hours / 24.0_r;
  if (!std::isfinite(t) || t < kMinStepJD || t >= kMaxStepJD) return std::nullopt;
  return t;
}

const char* StepOutOfRangeCaption(StepSource source) {
  return source == StepSource::Next ? "*** Ephemeris Unavailable! ***"
                                    : "*** Annimation Stop! ***";
}

}  // namespace jovi
