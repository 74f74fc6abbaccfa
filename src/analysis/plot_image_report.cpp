#include "analysis/plot_image_report.h"

#include "analysis/moon.h"

namespace jovi {

std::string SuggestedImageName(int moon) {
  return IsMoon(moon) ? std::string(MoonImageName(moon)) : std::string("Results");
}

void ReportPlotImage(bool saved, const std::string& path, Prompter& prompter) {
  if (saved) {
    prompter.Tell("Image saved to " + path, "Plot Image Saved", Icon::Information);
  } else {
    prompter.Tell("Unable to save image to " + path, "Plot Image Error", Icon::Information);
  }
}

}  // namespace jovi
