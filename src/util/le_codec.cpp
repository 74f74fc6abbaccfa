#include "util/le_codec.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cstring>

namespace jovi {

static_assert(std::endian::native == std::endian::little,
              "the codec copies little-endian host values byte for byte");
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit x87 extended type");

void LeWriter::Raw(const void* p, std::size_t n) {
  const auto* b = static_cast<const std::uint8_t*>(p);
  bytes_.insert(bytes_.end(), b, b + n);
}

void LeWriter::U8(std::uint8_t v) { bytes_.push_back(v); }
void LeWriter::U16(std::uint16_t v) { Raw(&v, sizeof v); }
void LeWriter::U32(std::uint32_t v) { Raw(&v, sizeof v); }
void LeWriter::F32(float v) { Raw(&v, sizeof v); }
void LeWriter::F64(double v) { Raw(&v, sizeof v); }
void LeWriter::Extended(long double v) {
  unsigned char b[sizeof(long double)] = {};
  std::memcpy(b, &v, sizeof v);
  Raw(b, 10);  // the rest is padding
}

void LeWriter::CountedString(std::string_view s, std::size_t max_len) {
  const std::size_t n = std::min(s.size(), std::min<std::size_t>(max_len, 255));
  U8(static_cast<std::uint8_t>(n));
  Raw(s.data(), n);
  Zeros(max_len - n);
}

void LeWriter::Zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }

bool LeReader::Take(void* out, std::size_t n) {
  if (failed_ || bytes_.size() - pos_ < n) {
    failed_ = true;
    std::memset(out, 0, n);
    return false;
  }
  std::memcpy(out, bytes_.data() + pos_, n);
  pos_ += n;
  return true;
}

std::uint8_t LeReader::U8() { std::uint8_t v; Take(&v, sizeof v); return v; }
std::uint16_t LeReader::U16() { std::uint16_t v; Take(&v, sizeof v); return v; }
std::uint32_t LeReader::U32() { std::uint32_t v; Take(&v, sizeof v); return v; }
float LeReader::F32() { float v; Take(&v, sizeof v); return v; }
double LeReader::F64() { double v; Take(&v, sizeof v); return v; }

long double LeReader::Extended() {
  unsigned char b[sizeof(long double)] = {};
  Take(b, 10);
  long double v;
  std::memcpy(&v, b, sizeof v);
  return v;
}

std::string LeReader::CountedString(std::size_t max_len) {
  const std::size_t n = std::min<std::size_t>(U8(), max_len);
  std::string s(max_len, '\0');
  Take(s.data(), max_len);
  s.resize(failed_ ? 0 : n);
  return s;
}

void LeReader::Skip(std::size_t n) {
  if (failed_ || bytes_.size() - pos_ < n) {
    failed_ = true;
    return;
  }
  pos_ += n;
}

}  // namespace jovi
