#include "config/exercise_mode.h"

namespace jovi {

ExerciseMode ExerciseModeFromArguments(std::string_view upper_case_arguments) {
  if (upper_case_arguments.find("NEWTON") != std::string_view::npos) return ExerciseMode::Newton;
  if (upper_case_arguments.find("ROEMER") != std::string_view::npos) return ExerciseMode::Roemer;
  return ExerciseMode::None;
}

std::string_view ExerciseCaption(ExerciseMode mode) {
  switch (mode) {
    case ExerciseMode::Newton: return "ZEVA Exercise - Jovitrack";
    case ExerciseMode::Roemer: return "ZEVA Exercise - Lumitrack";
    case ExerciseMode::None: break;
  }
  return {};
}

}  // namespace jovi
