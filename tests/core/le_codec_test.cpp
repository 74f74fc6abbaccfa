#include "util/le_codec.h"
#include "util/real.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace jovi {
namespace {

[[maybe_unused]] double DoubleOfBits(std::uint64_t bits) {
  double d = 0;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

TEST(LeCodec, FieldsRoundTripExactlyAndInLittleEndianOrder) {
  LeWriter w;
  w.U8(0xAB);
  w.U16(0x1234);
  w.U32(0xDEADBEEF);
  w.I32(-2);
  w.F32(1.5f);
  w.F64(-0.1);
  const Real extended[] = {2451545.0_r, -0.1_r, std::numeric_limits<Real>::min(),
                           std::numeric_limits<Real>::max(),
                           std::numeric_limits<Real>::denorm_min(), 0.0_r};
  for (Real v : extended) w.Extended(v);
  w.CountedString("Jupiter", 11);
  w.CountedString("a much longer text than fits", 5);

  const auto& b = w.Bytes();
  ASSERT_EQ(b.size(), 1u + 2 + 4 + 4 + 4 + 8 + 6 * 10 + 12 + 6);
  EXPECT_EQ(b[1], 0x34);  // low byte first
  EXPECT_EQ(b[2], 0x12);
  EXPECT_EQ(b[3], 0xEF);
  // 1.5f is 0x3FC00000.
  EXPECT_EQ(b[11], 0x00);
  EXPECT_EQ(b[13], 0xC0);
  EXPECT_EQ(b[14], 0x3F);

  LeReader r(b);
  EXPECT_EQ(r.U8(), 0xAB);
  EXPECT_EQ(r.U16(), 0x1234);
  EXPECT_EQ(r.U32(), 0xDEADBEEFu);
  EXPECT_EQ(r.I32(), -2);
  EXPECT_EQ(r.F32(), 1.5f);
  EXPECT_EQ(r.F64(), -0.1);
  for (Real v : extended) EXPECT_EQ(r.Extended(), v);
  EXPECT_EQ(r.CountedString(11), "Jupiter");
  EXPECT_EQ(r.CountedString(5), "a muc");  // cut silently
  EXPECT_FALSE(r.Failed());
  EXPECT_EQ(r.Position(), b.size());
}

TEST(LeCodec, ReadingPastTheEndFailsWithZeros) {
  const std::uint8_t bytes[] = {1, 2, 3};
  LeReader r(bytes);
  EXPECT_EQ(r.U16(), 0x0201);
  EXPECT_EQ(r.U32(), 0u);
  EXPECT_TRUE(r.Failed());
  EXPECT_EQ(r.U8(), 0);  // stays failed

  // A counted string whose length byte claims more than its field holds.
  const std::uint8_t text[] = {200, 'a', 'b', 'c'};
  LeReader s(text);
  EXPECT_EQ(s.CountedString(3), "abc");
  EXPECT_FALSE(s.Failed());
}


using Bytes10 = std::array<unsigned char, 10>;

Bytes10 EncodedByHand(double v) {
  unsigned char b[10];
  ExtendedBytesOfDouble(v, b);
  Bytes10 out;
  std::memcpy(out.data(), b, 10);
  return out;
}

double DecodedByHand(const Bytes10& bytes) {
  unsigned char b[10];
  std::memcpy(b, bytes.data(), 10);
  return DoubleOfExtendedBytes(b);
}

// Where Real is a double, extended fields are converted by hand: every double is written as
// its exact extended value and a field reads as the nearest double, so files stay the same
// between the two kinds of build.
TEST(LeCodec, DoublesConvertToAndFromExtendedFieldsByHand) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct { double value; Bytes10 bytes; } cases[] = {
      {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x3f}},
      {-2.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xc0}},
      {0.1, {0x00, 0xd0, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xcc, 0xfb, 0x3f}},
      {2451545.0, {0, 0, 0, 0, 0, 0x64, 0xa1, 0x95, 0x14, 0x40}},
      {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
      {inf, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x7f}},
      {-inf, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0xff}},
      // The smallest subnormal double, 2^-1074, is a normal extended number.
      {std::numeric_limits<double>::denorm_min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xcd, 0x3b}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodedByHand(c.value), c.bytes) << c.value;
    const double back = DecodedByHand(c.bytes);
    EXPECT_EQ(back, c.value) << c.value;
    EXPECT_EQ(std::signbit(back), std::signbit(c.value)) << c.value;
  }
  EXPECT_TRUE(std::isnan(DecodedByHand(EncodedByHand(std::nan("")))));
  // Beyond the range of a double: infinity; below it: zero; between two doubles: the nearer.
  EXPECT_EQ(DecodedByHand({0, 0, 0, 0, 0, 0, 0, 0x80, 0xff, 0x7f - 1}), inf);
  EXPECT_EQ(DecodedByHand({0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}), 0.0);
  // 1 + 2^-53 + 2^-63 lies just above the halfway point between 1 and the next double.
  EXPECT_EQ(DecodedByHand({0x01, 0x04, 0, 0, 0, 0, 0, 0x80, 0xff, 0x3f}),
            std::nextafter(1.0, 2.0));
}

// On the x86-64 build the hand conversion must agree with the hardware's own.
TEST(LeCodec, HandConversionAgreesWithTheExtendedType) {
#if LDBL_MANT_DIG == 64
  std::mt19937_64 random(25);
  for (int i = 0; i < 20000; ++i) {
    // Doubles of every size (random bits, NaNs and infinities left out).
    const double d = DoubleOfBits(random());
    if (!std::isfinite(d)) continue;
    const long double wide = d;
    Bytes10 hardware{};
    std::memcpy(hardware.data(), &wide, 10);
    EXPECT_EQ(EncodedByHand(d), hardware) << d;
    // Extended values near the doubles' range, rounded to the nearest double.
    const long double x = std::ldexp(static_cast<long double>(random()) / 0x1p64L,
                                     static_cast<int>(random() % 2200) - 1100);
    Bytes10 bytes{};
    std::memcpy(bytes.data(), &x, 10);
    EXPECT_EQ(DecodedByHand(bytes), static_cast<double>(x)) << static_cast<double>(x);
  }
#else
  GTEST_SKIP() << "no 80-bit extended type on this platform";
#endif
}

}  // namespace
}  // namespace jovi
