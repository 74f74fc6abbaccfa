#include "astro/time_scales.h"

#include <array>
#include <cstdint>
#include <memory>

#include "astro/date_time.h"
#include "platform/program_dir.h"

namespace jovi {

namespace {

// TDT - UT in whole seconds for the years 1620-1799.
constexpr std::array<std::int8_t, 180> kDeltaT1620 = {
    119, 117, 115, 110, 106, 102, 98, 95, 91, 88,  // 1620
    85,  82,  79,  77,  74,  72,  70, 67, 65, 63,  // 1630
    62,  60,  58,  57,  55,  54,  53, 51, 50, 49,  // 1640
    48,  47,  46,  45,  44,  43,  42, 41, 40, 38,  // 1650
    37,  36,  35,  34,  33,  32,  31, 30, 28, 27,  // 1660
    26,  25,  24,  23,  22,  21,  20, 19, 18, 17,  // 1670
    16,  15,  14,  14,  13,  12,  12, 11, 11, 10,  // 1680
    10,  10,  9,   9,   9,   9,   9,  9,  9,  9,   // 1690
    9,   9,   9,   9,   9,   9,   9,  9,  10, 10,  // 1700
    10,  10,  10,  10,  10,  10,  10, 11, 11, 11,  // 1710
    11,  11,  11,  11,  11,  11,  11, 11, 11, 11,  // 1720
    11,  11,  11,  11,  12,  12,  12, 12, 12, 12,  // 1730
    12,  12,  12,  12,  13,  13,  13, 13, 13, 13,  // 1740
    13,  14,  14,  14,  14,  14,  14, 14, 15, 15,  // 1750
    15,  15,  15,  15,  15,  16,  16, 16, 16, 16,  // 1760
    16,  16,  16,  16,  16,  17,  17, 17, 17, 17,  // 1770
    17,  17,  17,  17,  17,  17,  17, 17, 17, 17,  // 1780
    17,  17,  16,  16,  16,  16,  15, 15, 14, 14,  // 1790
};

// c[0] + c[1] x + ... by Horner's rule.
template <std::size_t N>
long double Polynomial(const std::array<long double, N>& c, long double x) {
  long double sum = 0;
  for (std::size_t i = N; i-- > 0;) sum = sum * x + c[i];
  return sum;
}

constexpr std::array<long double, 8> k1900To1971 = {
    -0.00002L, 0.000297L, 0.025184L, -0.181133L, 0.55304L, -0.861938L, 0.677066L, -0.212591L};
constexpr std::array<long double, 11> k1800To1899 = {
    -0.000009L, 0.003844L, 0.083563L, 0.865736L, 4.867575L, 15.845535L,
    31.332267L, 38.291999L, 28.316289L, 11.636204L, 2.043794L};

std::unique_ptr<LeapSecondTable>& TableSlot() {
  static std::unique_ptr<LeapSecondTable> table;
  return table;
}

}  // namespace

LeapSecondTable& ProgramLeapSeconds() {
  auto& table = TableSlot();
  if (!table) table = std::make_unique<LeapSecondTable>(ProgramDir() + "Leap Seconds.txt");
  return *table;
}

void SetLeapSecondFile(const std::string& path) {
  TableSlot() = std::make_unique<LeapSecondTable>(path);
}

long double LeapSeconds(long double jd) {
  return ProgramLeapSeconds().SecondsAt(jd, ProgramPrompter());
}

long double TenMillenniaSinceJ2000(long double jd) { return (jd - 2451545.0L) / 3652500.0L; }

long double DeltaT(long double jd) {
  const std::int32_t year = CalendarYear(jd);
  const long double T = (jd - 2451545.0L) / 36525.0L;
  const long double theta = (jd - 2415020.3135L) / 36525.0L;
  if (year >= 1972) return (LeapSeconds(jd) + 32.184L) / 86400.0L;
  if (year >= 1900) return Polynomial(k1900To1971, theta);
  if (year >= 1800) return Polynomial(k1800To1899, theta);
  if (year >= 1620) return kDeltaT1620[static_cast<std::size_t>(year - 1620)] / 86400.0L;
  if (year >= 948) return (50.6L + 67.5L * T + 22.5L * T * T) / 86400.0L;
  return (2715.6L + 573.36L * T + 46.5L * T * T) / 86400.0L;
}

long double TDTFromUT(long double jd) { return jd + DeltaT(jd); }

long double UTFromTDT(long double jde) { return jde - DeltaT(jde - DeltaT(jde)); }

}  // namespace jovi
