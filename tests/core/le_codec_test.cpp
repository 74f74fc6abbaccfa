#include "util/le_codec.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace jovi {
namespace {

TEST(LeCodec, FieldsRoundTripExactlyAndInLittleEndianOrder) {
  LeWriter w;
  w.U8(0xAB);
  w.U16(0x1234);
  w.U32(0xDEADBEEF);
  w.I32(-2);
  w.F32(1.5f);
  w.F64(-0.1);
  const long double extended[] = {2451545.0L, -0.1L, LDBL_MIN, LDBL_MAX,
                                  std::numeric_limits<long double>::denorm_min(), 0.0L};
  for (long double v : extended) w.Extended(v);
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
  for (long double v : extended) EXPECT_EQ(r.Extended(), v);
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

}  // namespace
}  // namespace jovi
