#include "app/measurement_commands.h"

#include "app/sat_lab_form.h"

namespace jovi {

MeasurementCommands::MeasurementCommands(TSatLabForm1& form) : form_(form) { static_cast<void>(form_); }

MeasurementCommands::~MeasurementCommands() = default;

}  // namespace jovi
