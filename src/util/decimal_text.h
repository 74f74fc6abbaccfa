// Number texts of the measurements, the analysis window and their printouts (full stop, whatever
// the locale).
#pragma once

#include <string>

#include "util/real.h"

namespace jovi {

// Fixed notation with `decimals` decimals, left-padded with blanks to `width` characters.
std::string FixedText(Real value, int decimals, int width = 0);

// Exponent notation with `significant` digits and a signed exponent of at least two digits:
// ExponentText(0.0123, 8) is "1.2300000E-02".
std::string ExponentText(Real value, int significant);

// Reads a whole decimal number ("12", "-3.5", "2.4e3"; blanks around it allowed). Nothing for
// an empty, partly numeric or non-finite text.
bool ParseDecimal(const std::string& text, Real& value);
// Reads a whole integer ("12", "-3", "+7"; blanks around it allowed) that fits in 32 bits.
bool ParseInteger(const std::string& text, int& value);

}  // namespace jovi
