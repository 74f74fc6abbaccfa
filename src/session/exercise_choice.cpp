#include "session/exercise_choice.h"

namespace jovi {

std::optional<ExerciseMode> ConfirmExerciseChoice(int selected, Prompter& prompter) {
  if (selected == 0) return ExerciseMode::Newton;
  if (selected == 1) return ExerciseMode::Roemer;
  prompter.Tell("You must select an exercise!", "No Exercise Selected!", Icon::Stop);
  return std::nullopt;
}

}  // namespace jovi
