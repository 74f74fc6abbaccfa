// The "Select Exercise" dialog's OK button.
#pragma once

#include <optional>

#include "config/exercise_mode.h"
#include "util/prompter.h"

namespace jovi {

// `selected` is the index of the chosen item (0 "Jovitrack", 1 "Lumitrack") or -1 for none.
// Gives the chosen exercise, or says "You must select an exercise!" and gives nothing (the
// dialog stays open).
std::optional<ExerciseMode> ConfirmExerciseChoice(int selected, Prompter& prompter);

}  // namespace jovi
