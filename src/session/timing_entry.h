// The timing dialog's three fields: their texts, and reading them back in order.
#pragma once

#include <string>

#include "config/options_record.h"
#include "session/session_settings.h"

namespace jovi {

struct TimingTexts {
  std::string Interval;  // observation step, hours, 5 decimals
  std::string Step;      // animation step, hours, 5 decimals
  std::string Timer;     // milliseconds
};

TimingTexts TimingTextsOf(const TimingSettings& timing);
// The "Defaults" button: the options' values.
TimingTexts DefaultTimingTexts(const OptsRec& options);

// Reads the fields into `timing` in order; at the first field that cannot be read the
// fields before it keep their new values and false is returned.
bool ReadTimingTexts(const TimingTexts& texts, TimingSettings& timing);

}  // namespace jovi
