#include "lists/hotlist_file.h"

#include <span>

#include "util/io_error.h"

namespace jovi {

HotlistFileRead ReadHotlistFile(const std::string& path) {
  HotlistFileRead read;
  const FileBytes file = ReadWholeFile(path);
  if (!file.Ok()) {
    read.code = IoCodeFromErrno(file.error, path);
    return read;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
  const std::size_t records = file.bytes.size() / kHotlistRecordSize;
  for (std::size_t i = 0; i < records; ++i) {
    const std::span<const std::uint8_t, kHotlistRecordSize> record(bytes + i * kHotlistRecordSize,
                                                                   kHotlistRecordSize);
    HotlistEntry entry = DecodeHotlistEntry(record);
    if (!IsUsableSerial(entry.Serial)) {
      ++read.unusable_dates;
      continue;
    }
    read.entries.push_back(std::move(entry));
  }
  read.partial_record = file.bytes.size() % kHotlistRecordSize != 0;
  return read;
}

}  // namespace jovi
