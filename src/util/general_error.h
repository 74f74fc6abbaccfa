// The program's general error report: a failure that no part of the program handles itself
// ends the current user action and is shown as one message, after which the program goes on.
#pragma once

#include <string>
#include <string_view>

#include "util/prompter.h"

namespace jovi {

inline constexpr const char* kApplicationTitle = "Jovitrack";

// The description with a full stop added when it does not end with one.
std::string GeneralErrorText(std::string_view description);

// Shows GeneralErrorText under the application title with the stop icon.
void ReportGeneralError(std::string_view description, Prompter& prompter);

}  // namespace jovi
