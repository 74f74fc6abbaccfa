#include "analysis/slider_rules.h"

#include <algorithm>

#include "util/real.h"

namespace jovi {

void MoveSlider(SliderSet& sliders, Slider slider, int position, const MoonPlotState& state,
                SineParameters& p) {
  const int at = std::clamp(position, kSliderMin, kSliderMax);
  sliders.At(slider) = at;
  const Real step = at * sliders.Factor;
  switch (slider) {
    case Slider::TZero:
      p.TZero = state.TZeroRef + step * p.Period;
      break;
    case Slider::Period:
      p.Period = (1 + step) * state.PeriodRef;
      break;
    case Slider::Amplitude:
      p.Amplitude = (1 + step) * state.AmplitudeRef;
      break;
  }
}

void ResetSlider(SliderSet& sliders, Slider slider, MoonPlotState& state, const SineParameters& p) {
  switch (slider) {
    case Slider::TZero:
      state.TZeroRef = p.TZero;
      break;
    case Slider::Period:
      state.PeriodRef = p.Period;
      break;
    case Slider::Amplitude:
      state.AmplitudeRef = p.Amplitude;
      break;
  }
  sliders.At(slider) = 0;
}

void ResetAllSliders(SliderSet& sliders, MoonPlotState& state, const SineParameters& p) {
  for (Slider s : {Slider::TZero, Slider::Period, Slider::Amplitude}) {
    ResetSlider(sliders, s, state, p);
  }
}

void SetSensitivity(SliderSet& sliders, bool fine, MoonPlotState& state, const SineParameters& p) {
  sliders.Factor = fine ? kFineFactor : kCoarseFactor;
  ResetAllSliders(sliders, state, p);
}

}  // namespace jovi
