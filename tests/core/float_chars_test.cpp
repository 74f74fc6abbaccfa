// Decimal text of floating-point numbers: the portable conversions (used where the standard
// library has none) follow std::from_chars and std::to_chars.
#include "util/float_chars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>

namespace jovi {
namespace {

double DoubleOfBits(std::uint64_t bits) {
  double d = 0;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

struct Parsed {
  std::size_t used;
  std::errc ec;
  double value;
};

Parsed PortableParse(const std::string& text) {
  double v = -99;
  const auto r = portable::FromChars(text.data(), text.data() + text.size(), v);
  return {static_cast<std::size_t>(r.ptr - text.data()), r.ec, v};
}

std::string PortableShortest(double v) {
  char buf[64];
  const auto r = portable::ToChars(buf, buf + sizeof buf, v);
  EXPECT_EQ(r.ec, std::errc());
  return std::string(buf, r.ptr);
}

TEST(FloatChars, ReadsTheGeneralFormatAsFromCharsDoes) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct { const char* text; std::size_t used; std::errc ec; double value; } cases[] = {
      {"2451545.25", 10, std::errc(), 2451545.25},
      {"-0.5x", 4, std::errc(), -0.5},
      {".5", 2, std::errc(), 0.5},
      {"5.", 2, std::errc(), 5.0},
      {"1e3", 3, std::errc(), 1000.0},
      {"1E-2", 4, std::errc(), 0.01},
      {"1e", 1, std::errc(), 1.0},      // an exponent without digits is not taken
      {"1e+", 1, std::errc(), 1.0},
      {"2.5e+2,7", 6, std::errc(), 250.0},
      {"inf", 3, std::errc(), inf},
      {"-Infinity", 9, std::errc(), -inf},
      {"+1", 0, std::errc::invalid_argument, -99},  // no leading plus
      {"", 0, std::errc::invalid_argument, -99},
      {".", 0, std::errc::invalid_argument, -99},
      {"-", 0, std::errc::invalid_argument, -99},
      {" 1", 0, std::errc::invalid_argument, -99},
      {"0x10", 1, std::errc(), 0.0},  // the general format stops at the x
      {"1e400", 5, std::errc::result_out_of_range, -99},
  };
  for (const auto& c : cases) {
    const Parsed p = PortableParse(c.text);
    EXPECT_EQ(p.used, c.used) << c.text;
    EXPECT_EQ(p.ec, c.ec) << c.text;
    EXPECT_EQ(p.value, c.value) << c.text;
  }
  EXPECT_TRUE(std::isnan(PortableParse("nan(123)").value));
  EXPECT_EQ(PortableParse("nan(123)").used, 8u);
}

TEST(FloatChars, ShortestTextReadsBackExactly) {
  const struct { double value; const char* text; } cases[] = {
      {0.1, "0.1"},       {-2.5, "-2.5"},     {2451545.0, "2451545"}, {1e22, "1e+22"},
      {1e-7, "1e-07"},    {123456.789, "123456.789"}, {0.0, "0"},  {-0.0, "-0"},
      {5e-324, "5e-324"}, {1.7976931348623157e308, "1.7976931348623157e+308"},
      {100.0, "100"},     {0.001, "0.001"},   {1234567890123456789.0, "1234567890123456768"},
  };
  for (const auto& c : cases) EXPECT_EQ(PortableShortest(c.value), c.text);

  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const double v = DoubleOfBits(random());
    if (!std::isfinite(v)) continue;
    const std::string text = PortableShortest(v);
    EXPECT_EQ(PortableParse(text).value, v) << text;
#if defined(__cpp_lib_to_chars)
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    EXPECT_EQ(text, std::string(buf, r.ptr));
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(back, v) << text;
#endif
  }
}

TEST(FloatChars, FixedAndScientificWithPrecision) {
  const struct { double value; std::chars_format format; int precision; const char* text; } cases[] = {
      {0.1, std::chars_format::fixed, 4, "0.1000"},
      {2.5, std::chars_format::fixed, 0, "2"},  // halves to even, as printf
      {-1234.5678, std::chars_format::fixed, 2, "-1234.57"},
      {1e20, std::chars_format::fixed, 1, "100000000000000000000.0"},
      {0.000123, std::chars_format::scientific, 2, "1.23e-04"},
  };
  for (const auto& c : cases) {
    char buf[128];
    const auto r = portable::ToChars(buf, buf + sizeof buf, c.value, c.format, c.precision);
    ASSERT_EQ(r.ec, std::errc());
    EXPECT_EQ(std::string(buf, r.ptr), c.text);
    char small[4];
    if (std::strlen(c.text) <= sizeof small) continue;
    EXPECT_EQ(portable::ToChars(small, small + sizeof small, c.value, c.format, c.precision).ec,
              std::errc::value_too_large);
  }
}

}  // namespace
}  // namespace jovi
