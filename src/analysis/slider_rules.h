// The three parameter scroll bars: each moves its parameter around a reference value by a
// fraction of it, coarse or fine; a reset takes the value reached as the new reference.
#pragma once

#include "analysis/moon_plot_state.h"
#include "analysis/sine_model.h"
#include "util/real.h"

namespace jovi {

enum class Slider { TZero = 0, Period = 1, Amplitude = 2 };

inline constexpr int kSliderMin = -200;
inline constexpr int kSliderMax = 200;
inline constexpr int kSliderLargeStep = 10;
inline constexpr Real kCoarseFactor = 0.001_r;
inline constexpr Real kFineFactor = 0.0002_r;

struct SliderSet {
  int Position[3] = {0, 0, 0};
  Real Factor = kCoarseFactor;
  bool Fine() const { return Factor == kFineFactor; }
  int& At(Slider s) { return Position[static_cast<int>(s)]; }
  int At(Slider s) const { return Position[static_cast<int>(s)]; }
};

// The slider at `position` (held to -200..200) sets its parameter:
//   T-zero:    TZeroRef + p × f × Period
//   period:    (1 + p × f) × PeriodRef
//   amplitude: (1 + p × f) × AmplitudeRef
void MoveSlider(SliderSet& sliders, Slider slider, int position, const MoonPlotState& state,
                SineParameters& p);

// The slider's reference takes its parameter's current value and the slider returns to 0.
void ResetSlider(SliderSet& sliders, Slider slider, MoonPlotState& state, const SineParameters& p);
void ResetAllSliders(SliderSet& sliders, MoonPlotState& state, const SineParameters& p);

// Coarse (0.001) or fine (0.0002), with all three resets: the parameters do not change.
void SetSensitivity(SliderSet& sliders, bool fine, MoonPlotState& state, const SineParameters& p);

}  // namespace jovi
