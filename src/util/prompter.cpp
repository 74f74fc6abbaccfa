#include "util/prompter.h"

namespace jovi {

Answer SilentPrompter::Ask(std::string_view, std::string_view, Buttons buttons, Icon) {
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
  }
  return Answer::None;
}

Answer FirstMessageOnly::Ask(std::string_view text, std::string_view caption, Buttons buttons,
                             Icon icon) {
  if (shown_) return Answer::Ok;
  shown_ = true;
  return (target_ ? *target_ : ProgramPrompter()).Ask(text, caption, buttons, icon);
}

namespace {
SilentPrompter silent_prompter;
Prompter* program_prompter = &silent_prompter;
}  // namespace

Prompter& ProgramPrompter() { return *program_prompter; }

void SetProgramPrompter(Prompter* prompter) {
  program_prompter = prompter ? prompter : &silent_prompter;
}

}  // namespace jovi
