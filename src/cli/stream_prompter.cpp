#include "cli/stream_prompter.h"

#include <string>

namespace jovi::cli {

Answer StreamPrompter::Ask(std::string_view text, std::string_view caption, Buttons buttons,
                           Icon icon) {
  // One line per message: the message's own line breaks become blanks.
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      line += ' ';
    } else if (c != '\r') {
      line += c;
    }
  }
  out_ << caption << ": " << line << '\n';
  return SilentPrompter().Ask(text, caption, buttons, icon);
}

}  // namespace jovi::cli
