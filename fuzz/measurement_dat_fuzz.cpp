// Fuzzes the reader of ".DAT" measurement files with arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  jovi::fuzz::UseRecords(jovi::BinaryFileRecords(std::span(data, size)));
  return 0;
}
