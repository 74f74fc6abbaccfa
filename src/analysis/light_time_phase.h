// Which of Io's two eclipse events an event text tells: the moon entering Jupiter's shadow,
// leaving it, or neither. The record dialog offers "Io is entering eclipse." and "Io is leaving
// Eclipse.", and a student may type their own ("Io enters eclipse", "egress of Io", the
// almanacs' "I.Ec.D").
#pragma once

#include <string_view>

namespace jovi {

enum class EclipsePhase { Entering = 0, Leaving = 1, Neither = 2 };

// Letters are compared without case, words whole or by their start ("enter", "enters",
// "entering"). A text naming another moon, both kinds or no kind is Neither.
EclipsePhase EclipsePhaseOf(std::string_view event_text);

}  // namespace jovi
