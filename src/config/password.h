// The instructor password as the options keep it: every byte complemented, packed
// little-endian into four 32-bit words, with its length beside it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace jovi {

// Fills the first ceil(n/4) words from `text` cut to 16 characters; the bytes past the text are
// complemented zeros. `length` receives n.
void ScramblePassword(std::string_view text, std::array<std::uint32_t, 4>& words,
                      std::uint8_t& length);

// The password of `length` bytes (taken as at most 16) held in `words`.
std::string UnscramblePassword(const std::array<std::uint32_t, 4>& words, std::uint8_t length);

}  // namespace jovi
