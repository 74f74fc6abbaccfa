// What the "Student Accounting" dialog decides: its start and its OK button.
#pragma once

#include <array>
#include <string>

#include "config/student_info.h"
#include "util/prompter.h"

namespace jovi {

// The dialog's start: clears the four names and the table number of `record` (the login
// identifier keeps its value). Without a record it says so and returns false; the dialog
// then changes nothing.
bool StartLoginForm(StudentInfo* record, Prompter& prompter);

// OK: copies the typed names (40 characters each) and table number (4) into `record`, then
// asks whether the login is complete. An empty first name, confirmed, becomes the name
// "*** Student Did Not Log In Properly ***" with the identifier "NOLOG". Returns true when
// the dialog closes.
bool ConfirmLoginForm(StudentInfo* record, const std::array<std::string, 4>& names,
                      const std::string& table, Prompter& prompter);

inline constexpr const char* kImproperLoginName = "*** Student Did Not Log In Properly ***";

}  // namespace jovi
