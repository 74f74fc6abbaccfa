// A prompter for a program without windows: writes each message to a stream, one line each,
// and answers with the first button.
#pragma once

#include <ostream>

#include "util/prompter.h"

namespace jovi::cli {

class StreamPrompter final : public Prompter {
 public:
  explicit StreamPrompter(std::ostream& out) : out_(out) {}
  Answer Ask(std::string_view text, std::string_view caption, Buttons buttons,
             Icon icon) override;

 private:
  std::ostream& out_;
};

}  // namespace jovi::cli
