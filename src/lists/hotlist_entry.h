// One date of the hotlist: a date-time serial and a short comment, 64 bytes on disk.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace jovi {

inline constexpr std::size_t kHotlistRecordSize = 64;
inline constexpr std::size_t kHotlistCommentLength = 50;

struct HotlistEntry {
  double Serial = 0.0;  // days from 1899 December 30, 0h; the fraction is the time of day
  std::string Comment;  // at most 50 characters
};

// Dates are kept in time order; equal serials are two entries, never one.
struct HotlistOrder {
  static bool Equal(const HotlistEntry& a, const HotlistEntry& b) { return a.Serial == b.Serial; }
  static bool Greater(const HotlistEntry& a, const HotlistEntry& b) { return a.Serial > b.Serial; }
};

// Bytes 0-7 the serial (little-endian double), byte 8 the comment's length and bytes 9..58
// its characters (cut at 50), bytes 59-63 zero.
std::array<std::uint8_t, kHotlistRecordSize> EncodeHotlistEntry(const HotlistEntry& entry);
HotlistEntry DecodeHotlistEntry(std::span<const std::uint8_t, kHotlistRecordSize> record);

// Whether a serial names a date the program can show (finite, years -4000 to 8000).
bool IsUsableSerial(double serial);

// The list line of an entry: "2012/03/07 14:30:00", with two blanks and the comment when
// `with_comment` (the options' EditMode).
std::string HotlistLineText(const HotlistEntry& entry, bool with_comment);

}  // namespace jovi
