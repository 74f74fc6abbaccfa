// The one little-endian codec of the program's binary files: every record is written and read
// field by field through these, never by dumping structs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "util/real.h"

namespace jovi {

class LeWriter {
 public:
  void U8(std::uint8_t v);
  void U16(std::uint16_t v);
  void U32(std::uint32_t v);
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void F32(float v);
  void F64(double v);
  // 80-bit x87 extended, 10 bytes; a double Real is written as the exact extended value.
  void Extended(Real v);
  // A counted string: a length byte, then `max_len` character bytes (cut silently when longer,
  // padded with zeros).
  void CountedString(std::string_view s, std::size_t max_len);
  void Zeros(std::size_t n);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void Raw(const void* p, std::size_t n);
  std::vector<std::uint8_t> bytes_;
};

// Reads fields in order; reading past the end yields zeros and sets `Failed`.
class LeReader {
 public:
  explicit LeReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  float F32();
  double F64();
  Real Extended();  // to the nearest double where Real is a double
  std::string CountedString(std::size_t max_len);
  void Skip(std::size_t n);

  bool Failed() const { return failed_; }
  std::size_t Position() const { return pos_; }

 private:
  bool Take(void* out, std::size_t n);
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

// The extended field to and from a double, by hand (what the codec does where Real is a double).
void ExtendedBytesOfDouble(double v, unsigned char (&bytes)[10]);
double DoubleOfExtendedBytes(const unsigned char (&bytes)[10]);

}  // namespace jovi
