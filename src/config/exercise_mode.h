// The two exercises the program runs, and how the command line chooses one.
#pragma once

#include <cstdint>
#include <string_view>

namespace jovi {

enum class ExerciseMode : std::uint8_t {
  None = 0,    // not chosen yet: the student chooses at login
  Newton = 1,  // the orbits and the mass of Jupiter ("Jovitrack")
  Roemer = 2,  // eclipse timings and the speed of light ("Lumitrack")
};

// The exercise named in the upper-cased argument text: "NEWTON" is looked for first, then
// "ROEMER", anywhere in the text.
ExerciseMode ExerciseModeFromArguments(std::string_view upper_case_arguments);

// The window caption of an exercise; empty for None.
std::string_view ExerciseCaption(ExerciseMode mode);

}  // namespace jovi
