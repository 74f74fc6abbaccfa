#include "app/options_commands.h"

#include "app/sat_lab_form.h"

namespace jovi {

OptionsCommands::OptionsCommands(TSatLabForm1& form) : form_(form) { static_cast<void>(form_); }

OptionsCommands::~OptionsCommands() = default;

}  // namespace jovi
