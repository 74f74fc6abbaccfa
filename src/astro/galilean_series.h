// The periodic series and secular arguments of the theory of the Galilean satellites used by
// the scene computation: J. Meeus, Astronomical Algorithms, 1st edition (1991), higher-accuracy
// method (Lieske's E2x3 as adapted there). The tables are data (data/reference/
// galilean-terms-1991.csv and galilean-arguments-1991.csv), compiled in and parsed once.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "util/real.h"

namespace jovi {

// The angles a term's argument may combine (all in radians when evaluated).
enum class GalileanAngle : std::uint8_t {
  l1, l2, l3, l4,      // mean longitudes of the satellites
  pi1, pi2, pi3, pi4,  // longitudes of the perijoves
  w1, w2, w3, w4,      // longitudes of the nodes on Jupiter's equator
  psi,                 // longitude of the node of Jupiter's equator on the ecliptic
  G,                   // mean anomaly of Jupiter, great inequality included
  Gdash,               // mean anomaly of Saturn
  PI,                  // longitude of Jupiter's perihelion
  PHI_lambda,          // phase of the free libration
  L1, L2, L3, L4,      // true longitudes (latitude series only)
  S1, S2, S3, S4,      // the longitude sums themselves (latitude series only)
  Count
};
inline constexpr std::size_t kGalileanAngleCount = static_cast<std::size_t>(GalileanAngle::Count);
using GalileanAngles = std::array<Real, kGalileanAngleCount>;

// coefficient x sin or cos( sum of multiple x angle + phase ).
struct SeriesTerm {
  struct Part {
    GalileanAngle angle;
    Real multiple;
  };
  Real coefficient = 0;
  bool sine = true;
  Real phase = 0;  // radians
  std::uint8_t part_count = 0;
  std::array<Part, 6> parts{};
};

using Series = std::vector<SeriesTerm>;

// The twelve series, index 0..3 for Io, Europa, Ganymede, Callisto. Longitude coefficients are
// in radians (converted from the table's degrees); latitude sums are the tangent of the latitude;
// radius sums are relative corrections to the mean distance.
struct GalileanSeries {
  std::array<Series, 4> longitude;
  std::array<Series, 4> latitude;
  std::array<Series, 4> radius;
};

// A secular argument: constant + rate x t, degrees and degrees per day.
struct SecularArgument {
  Real constant_deg = 0;
  Real rate_deg_per_day = 0;
};

// The secular arguments in table order: l1..l4, pi1..pi4, w1..w4, PHI_lambda, psi, G'.
struct GalileanArguments {
  std::array<SecularArgument, 4> l, pi, w;
  SecularArgument phi_lambda, psi, g_dash;
};

// The compiled-in tables, parsed on first use.
const GalileanSeries& GalileanTerms();
const GalileanArguments& GalileanSecularArguments();

// Parsers of the two table formats; they throw std::runtime_error naming the bad line.
GalileanSeries ParseGalileanSeries(std::string_view csv);
GalileanArguments ParseGalileanArguments(std::string_view csv);

// The sum of a series at the given angles.
Real EvaluateSeries(const Series& series, const GalileanAngles& angles);

}  // namespace jovi
