#include "astro/outer_planet_records.h"

#include "astro/date_time.h"
#include "util/real.h"

namespace jovi {

const OuterPlanetRange* FindOuterPlanet(std::uint8_t planet_index) {
  for (const OuterPlanetRange& p : kOuterPlanets) {
    if (p.PlanetIndex == planet_index) return &p;
  }
  return nullptr;
}

std::int32_t BlockCount(const OuterPlanetRange& planet) {
  return (kEndYear - planet.FirstYear) / kYearsPerBlock;
}

std::int32_t CoefficientRecordNumber(const OuterPlanetRange& planet, std::int32_t year) {
  return (year - planet.FirstYear) / kYearsPerBlock + planet.FirstRecord;
}

Real YearStartJD(std::int32_t year) {
  DateTimeRec rec;
  rec.Year = year;
  rec.Month = 1;
  rec.Day = 1;
  RecomputeSerial(rec);
  return ToJD(rec);
}

Real BlockEndJD(Real jd) {
  DateTimeRec rec;
  rec.ZoneOffset = 0;
  SetFromJD(rec, jd);
  rec.Year += kYearsPerBlock;
  RecomputeSerial(rec);
  return ToJD(rec);
}

}  // namespace jovi
