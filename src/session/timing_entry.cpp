#include "session/timing_entry.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "session/date_entry.h"
#include "util/number_text.h"
#include "util/real.h"

namespace jovi {

namespace {

std::string FiveDecimals(Real hours) {
  char text[64];
  std::snprintf(text, sizeof text, "%.5" JOVI_REAL_LEN "f", hours);
  return text;
}

std::optional<std::uint16_t> ReadInterval(std::string_view text) {
  const std::optional<std::int32_t> value = ParseInteger(text);
  if (!value || *value < 0 || *value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
}

}  // namespace

TimingTexts TimingTextsOf(const TimingSettings& timing) {
  return {FiveDecimals(timing.ObservationStep), FiveDecimals(timing.AnimationStep),
          std::to_string(timing.TimerInterval)};
}

TimingTexts DefaultTimingTexts(const OptsRec& options) {
  return TimingTextsOf({options.ObsStepHrs, options.AnimStepHrs, options.AnimTimerMs});
}

bool ReadTimingTexts(const TimingTexts& texts, TimingSettings& timing) {
  // Decimal numbers are read as Julian dates are: the full stop, no locale.
  const std::optional<Real> interval = ParseJulianDate(texts.Interval);
  if (!interval) return false;
  timing.ObservationStep = *interval;
  const std::optional<Real> step = ParseJulianDate(texts.Step);
  if (!step) return false;
  timing.AnimationStep = *step;
  const std::optional<std::uint16_t> timer = ReadInterval(texts.Timer);
  if (!timer) return false;
  timing.TimerInterval = *timer;
  return true;
}

}  // namespace jovi
