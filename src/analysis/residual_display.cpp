#include "analysis/residual_display.h"

#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {

std::string RmsDisplayText(Real rms) { return "    " + ExponentText(rms, 8) + "  "; }

ResidualShown ShowResidual(Real rms, Real& previous, bool monochrome) {
  ResidualShown shown;
  shown.Text = RmsDisplayText(rms);
  shown.First = previous == 0;
  shown.Worse = !shown.First && rms > previous;
  if (shown.Worse) {
    shown.Colour = monochrome ? PlotColour{192, 192, 192} : PlotColour{255, 0, 0};
  } else {
    shown.Colour = ReadoutColour(monochrome);
  }
  previous = rms;
  return shown;
}

}  // namespace jovi
