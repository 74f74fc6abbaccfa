#include "util/general_error.h"

namespace jovi {

std::string GeneralErrorText(std::string_view description) {
  std::string text(description);
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

void ReportGeneralError(std::string_view description, Prompter& prompter) {
  prompter.Tell(GeneralErrorText(description), kApplicationTitle, Icon::Stop);
}

}  // namespace jovi
