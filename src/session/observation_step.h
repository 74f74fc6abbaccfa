// One step of the session clock: the range the ephemerides serve and the message when a step
// would leave it.
#pragma once

#include <optional>

namespace jovi {

inline constexpr long double kMinStepJD = 1757582.5L;    // included
inline constexpr long double kMaxStepJD = 2743738.495L;  // excluded

// Who asked for the step: the caption of the refusal differs.
enum class StepSource { Next, Timer };

// The Julian date `hours` after `jd`, or nothing when it falls outside the range.
std::optional<long double> StepTarget(long double jd, long double hours);

inline constexpr const char* kStepOutOfRangeText =
    "Next step out of range for Jupiter ephemeris! \r\n Available range: +100.0..+2800.0 "
    "(TDT)\r\n\r\nUse \"File\"->\"Observation Date\" to reset.";
const char* StepOutOfRangeCaption(StepSource source);

}  // namespace jovi
