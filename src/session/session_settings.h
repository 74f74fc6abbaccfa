// The settings of one observing session that the dialogs of the telescope read and change.
#pragma once

#include <cstdint>
#include <string>

#include "util/real.h"

namespace jovi {

// Step sizes and the animation timer, set from the options after login.
struct TimingSettings {
  Real ObservationStep = 0;  // hours, one press of Next
  Real AnimationStep = 0;    // hours, one animation tick
  std::uint16_t TimerInterval = 0;  // milliseconds between ticks
};

// The five feature switches; only the features dialog sets them.
struct FeatureSettings {
  bool Animation = false;
  bool UseIDColors = false;
  bool ShowTopView = false;
  bool StopOnEclipse = false;
  bool ShowEclipsedMoon = false;
};

// Random clouds over the telescope field.
struct CloudState {
  bool CloudsEnabled = false;
  Real CloudChance = 0;  // fraction of cloudy nights, 0..1
  Real CloudHours = 0;   // how long a cloud stays
  bool Clouded = false;
  Real CloudStart = 0;   // Julian dates
  Real CloudEnd = 0;
  std::string CloudFile;        // the cloud picture in use
};

}  // namespace jovi
