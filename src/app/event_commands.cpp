#include "app/event_commands.h"

#include "app/sat_lab_form.h"

namespace jovi {

EventCommands::EventCommands(TSatLabForm1& form) : form_(form) { static_cast<void>(form_); }

EventCommands::~EventCommands() = default;

}  // namespace jovi
