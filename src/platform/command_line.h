// The program's command line as the exercise choice reads it.
#pragma once

#include <string>
#include <vector>

namespace jovi {

// The arguments after the program's own path, joined with single spaces and upper-cased
// (letters a-z only). `arguments` includes the program path first, as argv does.
std::string ArgumentsText(const std::vector<std::string>& arguments);

}  // namespace jovi
