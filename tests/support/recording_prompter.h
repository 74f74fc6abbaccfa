// A prompter for tests: records every message and answers from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "util/prompter.h"

namespace jovi::test {

struct Message {
  std::string text;
  std::string caption;
  Buttons buttons;
  Icon icon;
};

class RecordingPrompter final : public Prompter {
 public:
  Answer Ask(std::string_view text, std::string_view caption, Buttons buttons,
             Icon icon) override {
    messages.push_back({std::string(text), std::string(caption), buttons, icon});
    if (answers.empty()) return SilentPrompter().Ask(text, caption, buttons, icon);
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }

  std::vector<Message> messages;
  std::deque<Answer> answers;
};

// Installs a recording prompter as the program's prompter for the life of the object.
class ScopedProgramPrompter {
 public:
  ScopedProgramPrompter() { SetProgramPrompter(&prompter); }
  ~ScopedProgramPrompter() { SetProgramPrompter(nullptr); }
  RecordingPrompter prompter;
};

}  // namespace jovi::test
