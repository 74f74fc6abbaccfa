// The seam between deciding and showing: core code asks the user through this interface,
// the desktop program answers with message boxes, tests with a script.
#pragma once

#include <string>
#include <string_view>

namespace jovi {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { Stop, Exclamation, Question, Information };
enum class Answer { None, Ok, Cancel, Yes, No };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows `text` (lines separated by "\r\n") under `caption` and returns the button pressed.
  virtual Answer Ask(std::string_view text, std::string_view caption, Buttons buttons,
                     Icon icon) = 0;
  // A message with only an OK button.
  void Tell(std::string_view text, std::string_view caption, Icon icon) {
    Ask(text, caption, Buttons::Ok, icon);
  }
};

// Answers every question with its first button and shows nothing.
class SilentPrompter final : public Prompter {
 public:
  Answer Ask(std::string_view, std::string_view, Buttons buttons, Icon) override;
};

// Passes on the first message it is given and answers every later one with Ok, showing
// nothing, until Reset: one message per computation from a loop that may fail at every pass.
// A null target means the program's prompter of the moment.
class FirstMessageOnly final : public Prompter {
 public:
  explicit FirstMessageOnly(Prompter* target) : target_(target) {}
  Answer Ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) override;
  void Reset() { shown_ = false; }
  bool Shown() const { return shown_; }

 private:
  Prompter* target_;
  bool shown_ = false;
};

// The prompter the core uses for program-wide messages (leap seconds, ephemeris files).
// Never null: a silent one until the program installs its own.
Prompter& ProgramPrompter();
void SetProgramPrompter(Prompter* prompter);  // nullptr restores the silent one

}  // namespace jovi
