// Decimal text of floating-point numbers with the rules of std::from_chars and std::to_chars:
// the full stop whatever the locale, no leading "+", and text that reads back as the very value
// it was written from. Where the standard library converts floating-point numbers itself it
// does the work; where it does not (libc++ before version 14, as in the WebAssembly build), the
// portable versions below do, through the C library.
#pragma once

#include <charconv>

namespace jovi {

std::from_chars_result FloatFromChars(const char* first, const char* last, float& value);
std::from_chars_result FloatFromChars(const char* first, const char* last, double& value);
std::from_chars_result FloatFromChars(const char* first, const char* last, long double& value);

// The shortest text that reads back as `value`, fixed or scientific as std::to_chars chooses.
std::to_chars_result FloatToChars(char* first, char* last, float value);
std::to_chars_result FloatToChars(char* first, char* last, double value);
std::to_chars_result FloatToChars(char* first, char* last, long double value);

// Fixed or scientific notation with `precision` decimals.
std::to_chars_result FloatToChars(char* first, char* last, double value, std::chars_format format,
                                  int precision);
std::to_chars_result FloatToChars(char* first, char* last, long double value,
                                  std::chars_format format, int precision);

// The portable versions, compiled on every platform so that they are checked against the
// standard library where it has its own.
namespace portable {
std::from_chars_result FromChars(const char* first, const char* last, float& value);
std::from_chars_result FromChars(const char* first, const char* last, double& value);
std::from_chars_result FromChars(const char* first, const char* last, long double& value);
std::to_chars_result ToChars(char* first, char* last, float value);
std::to_chars_result ToChars(char* first, char* last, double value);
std::to_chars_result ToChars(char* first, char* last, long double value);
std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision);
std::to_chars_result ToChars(char* first, char* last, long double value,
                             std::chars_format format, int precision);
}  // namespace portable

}  // namespace jovi
