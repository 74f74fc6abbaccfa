#include "config/password.h"

#include <algorithm>

#include "config/options_record.h"

namespace jovi {

void ScramblePassword(std::string_view text, std::array<std::uint32_t, 4>& words,
                      std::uint8_t& length) {
  const std::size_t n = std::min(text.size(), option_text::kMaxPassword);
  for (std::size_t w = 0; w < (n + 3) / 4; ++w) {
    std::uint32_t word = 0;
    for (std::size_t b = 0; b < 4; ++b) {
      const std::size_t i = 4 * w + b;
      const auto byte = static_cast<std::uint8_t>(i < n ? text[i] : 0);
      word |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(~byte)) << (8 * b);
    }
    words[w] = word;
  }
  length = static_cast<std::uint8_t>(n);
}

std::string UnscramblePassword(const std::array<std::uint32_t, 4>& words, std::uint8_t length) {
  const std::size_t n = std::min<std::size_t>(length, option_text::kMaxPassword);
  std::string text(n, '\0');
  for (std::size_t i = 0; i < n; ++i) {
    text[i] = static_cast<char>(static_cast<std::uint8_t>(~(words[i / 4] >> (8 * (i % 4)))));
  }
  return text;
}

}  // namespace jovi
