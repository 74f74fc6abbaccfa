// Cutting text that the program holds as UTF-8 without splitting a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace jovi {

// The first `n` characters of `text` (all of it when shorter). Bytes that do not form valid
// UTF-8 count as one character each.
std::string Utf8Prefix(std::string_view text, std::size_t n);

// The number of characters in `text`, counted as Utf8Prefix counts them.
std::size_t Utf8Length(std::string_view text);

}  // namespace jovi
