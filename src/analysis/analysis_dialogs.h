// The two dialogs of the analysis window as the core sees them: what they show, and the
// checks of their OK buttons. A failed check has told the student and keeps the dialog open.
#pragma once

#include <string>

#include "analysis/moon_plot_state.h"
#include "analysis/sine_model.h"
#include "util/prompter.h"

namespace jovi {

// "Set Data Span for Plot".
struct DataSpanTexts {
  std::string DataStart;  // FirstJD, 5 decimals
  std::string DataEnd;    // LastJD, 5 decimals
  std::string DayCount;   // their difference, 1 decimal
  std::string Start;      // the editable start, PlotStart
  int DaysIndex = 0;      // "10 Days" .. "50 Days": PlotDays / 10 - 1
};

DataSpanTexts DataSpanDialogTexts(const MoonPlotState& state);

// OK: the start must be an integer (negative ones are taken); then PlotStart, PlotDays and the
// day scale change. False, after the message, when the start is not an integer.
bool AcceptDataSpan(const std::string& start_text, int days_index, MoonPlotState& state,
                    Prompter& prompter);

// "Sine Curve Parameters": T-zero and period with 5 decimals, amplitude with 2; a value that is
// not positive leaves its field empty.
struct SineParameterTexts {
  std::string TZero;
  std::string Period;
  std::string Amplitude;
};

SineParameterTexts SineParameterDialogTexts(const SineParameters& p);

// OK: all three filled in, then T-zero, period and amplitude converted in this order, each
// stored as it succeeds. A period must be greater than zero. False, after the message, at the
// first failure (the values stored before it are kept).
bool AcceptSineParameters(const SineParameterTexts& texts, SineParameters& p, Prompter& prompter);

}  // namespace jovi
