#include "util/le_codec.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace jovi {

static_assert(std::endian::native == std::endian::little,
              "the codec copies little-endian host values byte for byte");

namespace {

// Where Real is a double, the 80-bit fields are converted by hand: a double is written as the
// exact extended value, and a field reads as the nearest double (through long double, which
// must then hold every extended value exactly, so that there is only one rounding).
static_assert(kRealIsExtended || LDBL_MANT_DIG >= 64,
              "reading extended fields needs a long double at least as precise");

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;

void EncodeExtended(double v, unsigned char (&b)[10]) {
  std::uint64_t bits = 0;  // (libc++ 13 has no std::bit_cast)
  std::memcpy(&bits, &v, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7ff);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  std::uint64_t mantissa = 0;
  int biased = 0;
  if (exponent == 0x7ff) {  // infinity or NaN
    biased = 0x7fff;
    mantissa = (std::uint64_t{1} << 63) | (fraction << 11);
    if (fraction != 0) mantissa |= std::uint64_t{1} << 62;  // a quiet NaN
  } else if (exponent != 0) {
    biased = exponent - kDoubleBias + kExtendedBias;
    mantissa = (std::uint64_t{1} << 63) | (fraction << 11);
  } else if (fraction != 0) {  // a subnormal double is a normal extended value
    const int shift = std::countl_zero(fraction);
    mantissa = fraction << shift;
    biased = (63 - shift) - 1074 + kExtendedBias;
  }
  const auto sign_exponent = static_cast<std::uint16_t>((negative ? 0x8000 : 0) | biased);
  for (int i = 0; i < 8; ++i) b[i] = static_cast<unsigned char>(mantissa >> (8 * i));
  b[8] = static_cast<unsigned char>(sign_exponent & 0xff);
  b[9] = static_cast<unsigned char>(sign_exponent >> 8);
}

double DecodeExtended(const unsigned char (&b)[10]) {
  std::uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<std::uint64_t>(b[i]) << (8 * i);
  const int sign_exponent = b[8] | (b[9] << 8);
  const bool negative = (sign_exponent & 0x8000) != 0;
  const int biased = sign_exponent & 0x7fff;
  double magnitude = 0;
  if (biased == 0x7fff) {
    magnitude = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  } else {
    // A denormal extended value has the exponent of the smallest normal one.
    const int exponent = (biased == 0 ? 1 : biased) - kExtendedBias - 63;
    magnitude = static_cast<double>(std::ldexp(static_cast<long double>(mantissa), exponent));
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

// Encodes and decodes the extended field from a double; exposed for the codec's tests on
// every platform.
void ExtendedBytesOfDouble(double v, unsigned char (&b)[10]) { EncodeExtended(v, b); }
double DoubleOfExtendedBytes(const unsigned char (&b)[10]) { return DecodeExtended(b); }

void LeWriter::Raw(const void* p, std::size_t n) {
  const auto* b = static_cast<const std::uint8_t*>(p);
  bytes_.insert(bytes_.end(), b, b + n);
}

void LeWriter::U8(std::uint8_t v) { bytes_.push_back(v); }
void LeWriter::U16(std::uint16_t v) { Raw(&v, sizeof v); }
void LeWriter::U32(std::uint32_t v) { Raw(&v, sizeof v); }
void LeWriter::F32(float v) { Raw(&v, sizeof v); }
void LeWriter::F64(double v) { Raw(&v, sizeof v); }
void LeWriter::Extended(Real v) {
  if constexpr (kRealIsExtended) {
    unsigned char b[sizeof(Real)] = {};
    std::memcpy(b, &v, sizeof v);
    Raw(b, 10);  // the rest is padding
  } else {
    unsigned char b[10] = {};
    EncodeExtended(static_cast<double>(v), b);
    Raw(b, 10);
  }
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

Real LeReader::Extended() {
  if constexpr (kRealIsExtended) {
    unsigned char b[sizeof(Real)] = {};
    Take(b, 10);
    Real v;
    std::memcpy(&v, b, sizeof v);
    return v;
  } else {
    unsigned char b[10] = {};
    Take(b, 10);
    return static_cast<Real>(DecodeExtended(b));
  }
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
