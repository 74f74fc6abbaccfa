#include "util/utf8_text.h"

namespace jovi {

namespace {

// Bytes taken by the character starting at `i`: a valid sequence counts whole, anything else
// one byte.
std::size_t CharacterSize(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t size = 1;
  if (lead >= 0xC2 && lead <= 0xDF) size = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) size = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) size = 4;
  if (size == 1 || i + size > text.size()) return 1;
  for (std::size_t k = 1; k < size; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return size;
}

}  // namespace

std::string Utf8Prefix(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t count = 0; count < n && i < text.size(); ++count) i += CharacterSize(text, i);
  return std::string(text.substr(0, i));
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharacterSize(text, i)) ++count;
  return count;
}

}  // namespace jovi
