// The messages after saving the analysis window's picture, and the name it is offered under.
#pragma once

#include <string>

#include "util/prompter.h"

namespace jovi {

// "IO Results" ... for the selected moon; "Results" without one.
std::string SuggestedImageName(int moon);

// "Image saved to <path>" or "Unable to save image to <path>", with the information icon.
void ReportPlotImage(bool saved, const std::string& path, Prompter& prompter);

}  // namespace jovi
