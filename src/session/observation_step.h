// One step of the session clock: the range the ephemerides serve and the message when a step
// would leave it.
#pragma once

#include <optional>

#include "util/real.h"

namespace jovi {

inline constexpr Real kMinStepJD = 1757582.5_r;    // included
inline constexpr Real kMaxStepJD = 2743738.495_r;  // excluded

// Who asked for the step: the caption of the refusal differs.
enum class StepSource { Next, Timer };

// The Julian date `hours` after `jd`, or nothing when it falls outside the range.
std::optional<Real> StepTarget(Real jd, Real hours);

inline constexpr const char* kStepOutOfRangeText =
    "Next step out of range for Jupiter ephemeris! \r\n Available range: +100.0..+2800.0 "
    "(TDT)\r\n\r\nUse \"File\"->\"Observation Date\" to reset.";
const char* StepOutOfRangeCaption(StepSource source);

}  // namespace jovi
