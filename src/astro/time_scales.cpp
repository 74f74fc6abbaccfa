#include "astro/time_scales.h"

#include <array>
#include <cstdint>
#include <memory>

#include "astro/date_time.h"
#include "platform/program_dir.h"
#include "util/real.h"

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
Real Polynomial(const std::array<Real, N>& c, Real x) {
  Real sum = 0;
  for (std::size_t i = N; i-- > 0;) sum = sum * x + c[i];
  return sum;
}

constexpr std::array<Real, 8> k1900To1971 = {
    -0.00002_r, 0.000297_r, 0.025184_r, -0.181133_r, 0.55304_r, -0.861938_r, 0.677066_r, -0.212591_r};
constexpr std::array<Real, 11> k1800To1899 = {
    -0.000009_r, 0.003844_r, 0.083563_r, 0.865736_r, 4.867575_r, 15.845535_r,
    31.332267_r, 38.291999_r, 28.316289_r, 11.636204_r, 2.043794_r};

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

Real LeapSeconds(Real jd) {
  return ProgramLeapSeconds().SecondsAt(jd, ProgramPrompter());
}

Real TenMillenniaSinceJ2000(Real jd) { return (jd - 2451545.0_r) / 3652500.0_r; }

Real DeltaT(Real jd) {
  const std::int32_t year = CalendarYear(jd);
  const Real T = (jd - 2451545.0_r) / 36525.0_r;
  const Real theta = (jd - 2415020.3135_r) / 36525.0_r;
  if (year >= 1972) return (LeapSeconds(jd) + 32.184_r) / 86400.0_r;
  if (year >= 1900) return Polynomial(k1900To1971, theta);
  if (year >= 1800) return Polynomial(k1800To1899, theta);
  if (year >= 1620) return kDeltaT1620[static_cast<std::size_t>(year - 1620)] / 86400.0_r;
  if (year >= 948) return (50.6_r + 67.5_r * T + 22.5_r * T * T) / 86400.0_r;
  return (2715.6_r + 573.36_r * T + 46.5_r * T * T) / 86400.0_r;
}

Real TDTFromUT(Real jd) { return jd + DeltaT(jd); }

Real UTFromTDT(Real jde) { return jde - DeltaT(jde - DeltaT(jde)); }

}  // namespace jovi
