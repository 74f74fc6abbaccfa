// Letter case of the letters A-Z only, as the program compares names, words and search texts
// (other bytes, including every byte of a non-ASCII character, are left alone).
#pragma once

#include <string>
#include <string_view>

namespace jovi {

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace jovi
