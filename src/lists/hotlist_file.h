// The hotlist file: 64-byte records one after another, no header.
#pragma once

#include <string>
#include <vector>

#include "lists/hotlist_entry.h"
#include "util/atomic_file.h"

namespace jovi {

struct HotlistFileRead {
  int code = 0;                       // io_code of a failed open, else 0
  std::vector<HotlistEntry> entries;  // in file order
  bool partial_record = false;        // the file ended inside a record
  int unusable_dates = 0;             // records left out for a date no calendar shows
  bool Ok() const { return code == 0; }
};

HotlistFileRead ReadHotlistFile(const std::string& path);

// Replaces the file with the entries in the given order.
template <typename Entries>
FileWriteResult WriteHotlistFile(const std::string& path, const Entries& entries) {
  std::vector<std::uint8_t> bytes;
  entries.ForEach([&bytes](const HotlistEntry& e) {
    const auto record = EncodeHotlistEntry(e);
    bytes.insert(bytes.end(), record.begin(), record.end());
  });
  return WriteFileAtomically(path, bytes);
}

}  // namespace jovi
