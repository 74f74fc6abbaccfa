// The planetary theory VSOP87 (P. Bretagnon and G. Francou, 1988), version D: heliocentric
// longitude, latitude and radius vector in the ecliptic and equinox of date, evaluated from the
// full series as distributed by the IMCCE (data/reference/vsop87d/).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "util/real.h"

namespace jovi {

struct Vsop87Position {
  Real Longitude = 0;  // radians, not reduced: continuous in time
  Real Latitude = 0;   // radians
  Real Radius = 0;     // AU
};

inline constexpr std::size_t kVsop87Powers = 6;  // series in T^0 .. T^5

struct Vsop87Load;
class Vsop87Grid;

class Vsop87Series {
 public:
  // Reads a series file: lines "<var> <alpha> <A> <B> <C>" with var L, B or R and alpha 0..5,
  // each a term T^alpha A cos(B + C T); lines starting with "#" are comments.
  static Vsop87Load Load(const std::string& path);

  // The position at the dynamical Julian date jde (T in Julian millennia from J2000.0).
  Vsop87Position At(Real jde) const;

  // Instants at fixed offsets (days) from a start that changes from call to call, such as the
  // nodes of blocks of equal length: the grid keeps the cosine and sine of C x offset for
  // every frequency, so that each evaluation needs one per frequency only.
  Vsop87Grid Grid(const std::vector<Real>& offsets_days) const;
  // The positions at jde0 + each offset of the grid; none for a grid of another series.
  std::vector<Vsop87Position> At(const Vsop87Grid& grid, Real jde0) const;

  std::size_t TermCount() const { return terms_.size(); }

 private:
  // A cos(B + C T) = (A cos B) cos CT - (A sin B) sin CT: terms that share a frequency share
  // the cosine and sine of C T.
  struct Term {
    Real a_cos_b;
    Real a_sin_b;
    std::uint8_t sum;  // variable x 6 + power of T
  };
  struct Frequency {
    Real c;
    std::size_t first;
    std::size_t count;
  };
  // The sums of each variable (L, B, R) for each power of T.
  using Sums = std::array<Real, 3 * kVsop87Powers>;

  void Accumulate(const Frequency& f, Real cos_ct, Real sin_ct, Sums& sums) const;
  static Vsop87Position Combine(const Sums& sums, Real T);

  std::vector<Term> terms_;
  std::vector<Frequency> frequencies_;
};

class Vsop87Grid {
 public:
  std::size_t Size() const { return offsets_.size(); }

 private:
  friend class Vsop87Series;
  std::size_t frequencies_ = 0;         // of the series that made it
  std::vector<Real> offsets_;    // Julian millennia
  std::vector<Real> cos_, sin_;  // [frequency x Size() + offset]
};

struct Vsop87Load {
  Vsop87Series series;
  std::string error;  // empty on success, else what went wrong and where
  bool Ok() const { return error.empty(); }
};

}  // namespace jovi
