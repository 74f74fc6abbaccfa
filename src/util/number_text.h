// Numbers typed into the program's dialogs, read and written with the full stop as the
// decimal separator whatever the desktop's language.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "util/real.h"

namespace jovi {

// A whole decimal number: an optional sign, digits with an optional fraction and an
// optional exponent ("12", "-3.5", "+.25", "2.4e3"), blanks around it allowed. Nothing for
// an empty, partly numeric, hexadecimal or non-finite text.
std::optional<Real> ParseNumber(std::string_view text);

// A whole integer: an optional sign and decimal digits ("12", "-3", "+7"), blanks around it
// allowed, that fits in 32 signed bits. Nothing for anything else ("12.5", "1e3", "").
std::optional<std::int32_t> ParseInteger(std::string_view text);

// Fixed notation with `decimals` decimals and no thousands separators: 0.1 with 4 decimals
// is "0.1000".
std::string FixedNumberText(Real value, int decimals);

}  // namespace jovi
