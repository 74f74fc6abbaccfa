// The RMS residual as the window shows it: its text, and a colour that says whether the
// last change of the curve made the fit better or worse.
#pragma once

#include <string>

#include "analysis/plot_picture.h"
#include "util/real.h"

namespace jovi {

// Four blanks, the value with 8 significant digits in exponent notation, two blanks:
// "    1.2345678E-01  ".
std::string RmsDisplayText(Real rms);

struct ResidualShown {
  std::string Text;
  PlotColour Colour;
  bool Worse = false;  // larger than the one before
  bool First = false;  // there was no value before
};

// Green (white in the monochrome scheme) when there was no value before or the new one is not
// larger, red (silver) when it is; the new value becomes the one before.
ResidualShown ShowResidual(Real rms, Real& previous, bool monochrome);

}  // namespace jovi
