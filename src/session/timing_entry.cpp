#include "session/timing_entry.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "session/date_entry.h"

namespace jovi {

namespace {

std::string FiveDecimals(long double hours) {
  char text[64];
  std::snprintf(text, sizeof text, "%.5Lf", hours);
  return text;
}

std::optional<std::uint16_t> ReadInterval(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  unsigned value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value > 65535u) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(value);
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
  const std::optional<long double> interval = ParseJulianDate(texts.Interval);
  if (!interval) return false;
  timing.ObservationStep = *interval;
  const std::optional<long double> step = ParseJulianDate(texts.Step);
  if (!step) return false;
  timing.AnimationStep = *step;
  const std::optional<std::uint16_t> timer = ReadInterval(texts.Timer);
  if (!timer) return false;
  timing.TimerInterval = *timer;
  return true;
}

}  // namespace jovi
