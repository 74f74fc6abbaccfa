// Fuzzes the reader of ".CSV" measurement files with arbitrary text. Half the inputs get the
// heading line in front, so the fuzzer reaches the record lines at once.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (size > 0 && (data[0] & 1)) text.insert(0, "Julian Date,      Io,  Europa,Ganymede, Callisto\r\n");
  jovi::fuzz::UseRecords(jovi::CsvFileRecords(text));
  return 0;
}
