// OptionsCommands: the instructor's options dialog and password, for the main window: the
// instructor path after logging in as "Instructor", and the dialogs behind Preferences.
#pragma once

#include <memory>

#include "config/password_check.h"

namespace jovi {

class TSatLabForm1;
class TPasswordDlg;

class OptionsCommands {
 public:
  explicit OptionsCommands(TSatLabForm1& form);
  ~OptionsCommands();
  OptionsCommands(const OptionsCommands&) = delete;
  OptionsCommands& operator=(const OptionsCommands&) = delete;

  // The password, the options dialog and the question whether Preferences stay open.
  void RunInstructorPath();
  // "Software Options" for the session's options object, created for this use; true when
  // it closed with OK.
  bool ShowOptionsDialog();

 private:
  // "Password Required" shown once for `check`.
  Answer AskPassword(PasswordCheck& check);

  TSatLabForm1& form_;
  std::unique_ptr<TPasswordDlg> password_dialog_;  // lives for one instructor path
};

}  // namespace jovi
