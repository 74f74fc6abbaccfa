#include "lists/hotlist_entry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "util/date_serial.h"
#include "util/le_codec.h"

namespace jovi {

std::array<std::uint8_t, kHotlistRecordSize> EncodeHotlistEntry(const HotlistEntry& entry) {
  LeWriter writer;
  writer.F64(entry.Serial);
  writer.CountedString(entry.Comment, kHotlistCommentLength);
  writer.Zeros(kHotlistRecordSize - 8 - 1 - kHotlistCommentLength);
  std::array<std::uint8_t, kHotlistRecordSize> record{};
  std::copy(writer.Bytes().begin(), writer.Bytes().end(), record.begin());
  return record;
}

HotlistEntry DecodeHotlistEntry(std::span<const std::uint8_t, kHotlistRecordSize> record) {
  LeReader reader(record);
  HotlistEntry entry;
  entry.Serial = reader.F64();
  entry.Comment = reader.CountedString(kHotlistCommentLength);
  return entry;
}

bool IsUsableSerial(double serial) {
  static const double kFirst = static_cast<double>(DaysFromCivil(-4000, 1, 1));
  static const double kLast = static_cast<double>(DaysFromCivil(8000, 12, 31));
  return std::isfinite(serial) && serial >= kFirst && serial <= kLast;
}

std::string HotlistLineText(const HotlistEntry& entry, bool with_comment) {
  const CivilDateTime t = CivilFromSerial(entry.Serial);
  char text[48];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", static_cast<int>(t.year),
                t.month, t.day, t.hour, t.minute, t.second);
  std::string line = text;
  if (with_comment) line += "  " + entry.Comment;
  return line;
}

}  // namespace jovi
