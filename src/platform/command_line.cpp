#include "platform/command_line.h"

#include "util/ascii_case.h"

namespace jovi {

std::string ArgumentsText(const std::vector<std::string>& arguments) {
  std::string text;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (i > 1) text += ' ';
    text += arguments[i];
  }
  return AsciiUpper(text);
}

}  // namespace jovi
