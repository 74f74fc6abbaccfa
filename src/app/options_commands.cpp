#include "app/options_commands.h"

#include "app/sat_lab_form.h"
#include "config/ui/options_dialog.h"
#include "config/ui/password_dialog.h"

namespace jovi {

OptionsCommands::OptionsCommands(TSatLabForm1& form) : form_(form) {}

OptionsCommands::~OptionsCommands() = default;

void OptionsCommands::RunInstructorPath() {
  form_.Session().InstructorPath(form_,
                                 [this](PasswordCheck& check) { return AskPassword(check); });
  password_dialog_.reset();
}

Answer OptionsCommands::AskPassword(PasswordCheck& check) {
  if (!password_dialog_) password_dialog_ = std::make_unique<TPasswordDlg>(check, &form_);
  return password_dialog_->Ask();
}

bool OptionsCommands::ShowOptionsDialog() {
  TOptionsDlg dialog(&form_.Session().MasterOptions(), &form_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace jovi
