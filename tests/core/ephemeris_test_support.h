// Helpers shared by the ephemeris tests.
#pragma once

#include <cmath>
#include <filesystem>
#include <string>

#include "astro/angles.h"
#include "astro/coefficient_file.h"
#include "astro/time_scales.h"
#include "util/real.h"

namespace jovi::test {

// The published VSOP87D series checked in under data/reference/.
inline std::string Vsop87dDir() {
  return (std::filesystem::path(JOVI_TEST_FIXTURES).parent_path().parent_path() / "data" /
          "reference" / "vsop87d")
      .string();
}

// The Universal Time whose dynamical time jd + DeltaT(jd) is jde, exactly when some Real
// reaches it (the ephemeris takes its argument as UT).
inline Real UTFor(Real jde) {
  Real jd = jde - DeltaT(jde);
  for (int i = 0; i < 4; ++i) jd += jde - (jd + DeltaT(jd));
  for (int step = 0; step < 64 && jd + DeltaT(jd) != jde; ++step) {
    jd = std::nextafter(jd, jd + DeltaT(jd) < jde ? INFINITY : -INFINITY);
  }
  return jd;
}

// a - b brought into (-pi, pi], in arcseconds.
inline Real ArcsecondsBetween(Real a, Real b) {
  Real d = std::remainder(a - b, kTwoPi);
  return d / kRadiansPerArcsecond;
}

// Points the ephemeris at a coefficient file for the life of the object.
class ScopedCoefficientFile {
 public:
  explicit ScopedCoefficientFile(const std::string& path) { SetCoefficientFile(path); }
  ~ScopedCoefficientFile() { SetCoefficientFile(""); }
  ScopedCoefficientFile(const ScopedCoefficientFile&) = delete;
  ScopedCoefficientFile& operator=(const ScopedCoefficientFile&) = delete;
};

}  // namespace jovi::test
