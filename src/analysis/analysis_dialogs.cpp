#include "analysis/analysis_dialogs.h"

#include <algorithm>

#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {

DataSpanTexts DataSpanDialogTexts(const MoonPlotState& state) {
  DataSpanTexts t;
  t.DataStart = FixedText(state.FirstJD, 5);
  t.DataEnd = FixedText(state.LastJD, 5);
  t.DayCount = FixedText(state.LastJD - state.FirstJD, 1);
  t.Start = std::to_string(state.PlotStart);
  t.DaysIndex = std::clamp(state.PlotDays / 10 - 1, 0, 4);
  return t;
}

bool AcceptDataSpan(const std::string& start_text, int days_index, MoonPlotState& state,
                    Prompter& prompter) {
  int start = 0;
  if (!ParseInteger(start_text, start)) {
    prompter.Tell("Start date (\"" + start_text + "\") is invalid!\r\n\r\n"
                  "Must be integer in range (0-999).",
                  "Invalid Start Date!", Icon::Stop);
    return false;
  }
  state.PlotStart = start;
  SetPlotDays(state, (std::clamp(days_index, 0, 4) + 1) * 10);
  return true;
}

SineParameterTexts SineParameterDialogTexts(const SineParameters& p) {
  const auto text = [](Real v, int decimals) {
    return v > 0 ? FixedText(v, decimals) : std::string();
  };
  return {text(p.TZero, 5), text(p.Period, 5), text(p.Amplitude, 2)};
}

bool AcceptSineParameters(const SineParameterTexts& texts, SineParameters& p, Prompter& prompter) {
  if (texts.TZero.empty() || texts.Period.empty() || texts.Amplitude.empty()) {
    prompter.Tell("All prameters must be filled in!", "Invalid Parameters", Icon::Stop);
    return false;
  }
  const auto convert = [&prompter](const std::string& text, Real& into) {
    Real v = 0;
    if (!ParseDecimal(text, v)) {
      prompter.Tell("Numeric Conversion Error!\r\n\r\nValue \"" + text + "\" is non-numeric!",
                    "Input Error", Icon::Stop);
      return false;
    }
    into = v;
    return true;
  };
  if (!convert(texts.TZero, p.TZero)) return false;
  Real period = 0;
  if (!convert(texts.Period, period)) return false;
  // A period of zero or less has no curve: the model would divide by it.
  if (period <= 0) {
    prompter.Tell("Value \"" + texts.Period + "\" is not a period!\r\n\r\n"
                  "The period must be greater than zero.",
                  "Input Error", Icon::Stop);
    return false;
  }
  p.Period = period;
  return convert(texts.Amplitude, p.Amplitude);
}

}  // namespace jovi
