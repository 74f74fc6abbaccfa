#include "config/login_form.h"

#include "config/login_id.h"
#include "util/utf8_text.h"

namespace jovi {

bool StartLoginForm(StudentInfo* record, Prompter& prompter) {
  if (!record) {
    prompter.Tell("Login Record Not Assigned!", "Cannot Record Login!", Icon::Exclamation);
    return false;
  }
  for (std::string& name : record->StudentName) name.clear();
  record->TableNumber.clear();
  return true;
}

bool ConfirmLoginForm(StudentInfo* record, const std::array<std::string, 4>& names,
                      const std::string& table, Prompter& prompter) {
  if (!record) return true;
  for (std::size_t i = 0; i < names.size(); ++i) {
    record->StudentName[i] = Utf8Prefix(names[i], student_text::kName);
  }
  record->TableNumber = Utf8Prefix(table, student_text::kTable);
  if (record->StudentName[0].empty()) {
    if (prompter.Ask("You Didn't Enter Anything!", "No Entry!", Buttons::OkCancel,
                     Icon::Exclamation) != Answer::Ok) {
      return false;
    }
    record->StudentName[0] = kImproperLoginName;
    record->LoginId = kNoLoginId;
    return true;
  }
  if (prompter.Ask("Have You Finished Logging In?", "Login Completed?", Buttons::YesNo,
                   Icon::Question) != Answer::Yes) {
    return false;
  }
  record->LoginId = LoginIdentifier(record->StudentName[0]);
  return true;
}

}  // namespace jovi
