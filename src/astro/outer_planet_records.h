// Where each outer planet's blocks lie in the coefficient file and which calendar years they
// cover. Block k of a planet starts on January 1, 0h (dynamical time) of the year
// first year + 5k and ends on January 1 five years later, on the program's calendar (Julian
// before 1582 October 15), so that (year - first year) div 5 always names the block holding
// an instant of that year.
#pragma once

#include <array>
#include <cstdint>

#include "util/real.h"

namespace jovi {

struct OuterPlanetRange {
  std::uint8_t PlanetIndex;  // 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune
  std::int32_t FirstYear;
  std::int32_t FirstRecord;
};

inline constexpr std::int32_t kYearsPerBlock = 5;
inline constexpr std::int32_t kEndYear = 2800;  // the first year no planet is served

inline constexpr std::array<OuterPlanetRange, 4> kOuterPlanets = {{
    {5, -4000, 0},
    {6, -4000, 1360},
    {7, 1600, 2720},
    {8, 1600, 2960},
}};

inline constexpr std::int32_t kCoefficientRecords = 3200;  // in a complete file

// The planet's entry, or nullptr for an index that is not an outer planet.
const OuterPlanetRange* FindOuterPlanet(std::uint8_t planet_index);

// The number of blocks the planet has.
std::int32_t BlockCount(const OuterPlanetRange& planet);

// The record that covers an instant in `year` (first year <= year < kEndYear).
std::int32_t CoefficientRecordNumber(const OuterPlanetRange& planet, std::int32_t year);

// January 1, 0h of a year, as a Julian date.
Real YearStartJD(std::int32_t year);

// The Julian date of the same calendar date and time five years later.
Real BlockEndJD(Real jd);

}  // namespace jovi
