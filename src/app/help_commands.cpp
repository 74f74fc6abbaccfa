#include "app/help_commands.h"

#include "app/sat_lab_form.h"

namespace jovi {

HelpCommands::HelpCommands(TSatLabForm1& form) : form_(form) { static_cast<void>(form_); }

HelpCommands::~HelpCommands() = default;

}  // namespace jovi
