#include "session/observation_step.h"

#include <cmath>

namespace jovi {

std::optional<long double> StepTarget(long double jd, long double hours) {
  const long double t = jd + hours / 24.0L;
  if (!std::isfinite(t) || t < kMinStepJD || t >= kMaxStepJD) return std::nullopt;
  return t;
}

const char* StepOutOfRangeCaption(StepSource source) {
  return source == StepSource::Next ? "*** Ephemeris Unavailable! ***"
                                    : "*** Annimation Stop! ***";
}

}  // namespace jovi
