// Numbers typed into the dialogs: the full stop whatever the locale, whole texts only.
#include "util/number_text.h"
#include "util/real.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace jovi {
namespace {

TEST(NumberTextTest, DecimalNumbers) {
  const struct { const char* text; std::optional<Real> value; } cases[] = {
      {"12", 12.0_r},       {"-3.5", -3.5_r},     {"+.25", 0.25_r},   {" 2.4e3\t", 2400.0_r},
      {"5.", 5.0_r},        {"0.1", 0.1_r},       {"", std::nullopt}, {"  ", std::nullopt},
      {"1,5", std::nullopt}, {"6h", std::nullopt}, {"++1", std::nullopt},
      {"+-1", std::nullopt}, {"0x10", std::nullopt}, {"inf", std::nullopt},
      {"nan", std::nullopt}, {"1e99999", std::nullopt}, {"1 2", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTextTest, Integers) {
  const struct { const char* text; std::optional<std::int32_t> value; } cases[] = {
      {"12", 12},           {"-3", -3},          {" +7 ", 7},
      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt}, {"12.5", std::nullopt}, {"1e3", std::nullopt},
      {"", std::nullopt},   {"-", std::nullopt}, {"7x", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTextTest, FixedTextAndNoLocaleDependence) {
  EXPECT_EQ(FixedNumberText(0.1_r, 4), "0.1000");
  EXPECT_EQ(FixedNumberText(119.0f, 1), "119.0");
  EXPECT_EQ(FixedNumberText(-0.004_r, 2), "-0.00");
  EXPECT_EQ(FixedNumberText(1234567.0_r, 0), "1234567");
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(FixedNumberText(0.1_r, 4), "0.1000");
  EXPECT_EQ(ParseNumber("0.5"), 0.5_r);
  EXPECT_EQ(ParseNumber("0,5"), std::nullopt);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace jovi
