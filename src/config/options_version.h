// Whether an options file written by one version of the program suits another.
#pragma once

#include <string_view>

namespace jovi {

// Each text is cut after the second character following its first "." (a text without "."
// keeps its first two characters); compatible when the cut texts are equal byte for byte.
// "2.114" suits "2.11" and "2.119", not "2.12" or "2.2".
bool VersionsCompatible(std::string_view a, std::string_view b);

}  // namespace jovi
