#include "astro/galilean_series.h"
#include "util/real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace jovi {
namespace {

constexpr Real kDegree = std::numbers::pi_v<Real> / 180.0_r;

TEST(GalileanSeries, TablesHoldThePublishedTermCounts) {
  const GalileanSeries& s = GalileanTerms();
  const std::size_t longitude[] = {23, 41, 43, 50};
  const std::size_t latitude[] = {7, 9, 11, 8};
  const std::size_t radius[] = {8, 11, 10, 16};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(s.longitude[k].size(), longitude[k]) << "moon " << k + 1;
    EXPECT_EQ(s.latitude[k].size(), latitude[k]) << "moon " << k + 1;
    EXPECT_EQ(s.radius[k].size(), radius[k]) << "moon " << k + 1;
  }
}

TEST(GalileanSeries, LeadingTermsAreReadAsPublished) {
  const GalileanSeries& s = GalileanTerms();
  struct Case {
    const char* name;
    const SeriesTerm& term;
    Real coefficient;
    bool sine;
    std::vector<std::pair<GalileanAngle, Real>> parts;
  };
  const Case cases[] = {
      {"Io longitude, degrees to radians", s.longitude[0][0], 0.47259_r * kDegree, true,
       {{GalileanAngle::l1, 2}, {GalileanAngle::l2, -2}}},
      {"Callisto longitude", s.longitude[3][0], 0.84109_r * kDegree, true,
       {{GalileanAngle::l4, 1}, {GalileanAngle::pi4, -1}}},
      {"Ganymede radius: -0.0014377, not the transposed -0.0014337", s.radius[2][0], -0.0014377_r,
       false, {{GalileanAngle::l3, 1}, {GalileanAngle::pi3, -1}}},
      {"Callisto latitude is referred to psi", s.latitude[3][0], -0.0076579_r, true,
       {{GalileanAngle::L4, 1}, {GalileanAngle::psi, -1}}},
      {"Io latitude term with the longitude sum", s.latitude[0][5], 0.0000075_r, true,
       {{GalileanAngle::L1, 3}, {GalileanAngle::l2, -4}, {GalileanAngle::S1, -1.9927_r},
        {GalileanAngle::w2, 1}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.term.coefficient, c.coefficient) << c.name;
    EXPECT_EQ(c.term.sine, c.sine) << c.name;
    ASSERT_EQ(c.term.part_count, c.parts.size()) << c.name;
    for (std::size_t i = 0; i < c.parts.size(); ++i) {
      EXPECT_EQ(c.term.parts[i].angle, c.parts[i].first) << c.name;
      EXPECT_EQ(c.term.parts[i].multiple, c.parts[i].second) << c.name;
    }
    EXPECT_EQ(c.term.phase, 0) << c.name;
  }
  // A constant phase in degrees: Europa's term in 5 G' - 2 G + 52.225 deg.
  const SeriesTerm& phased = s.longitude[1][23];
  EXPECT_NEAR(static_cast<double>(phased.phase), static_cast<double>(52.225_r * kDegree), 1e-18);
  EXPECT_EQ(phased.part_count, 2);
}

TEST(GalileanSeries, SecularArguments) {
  const GalileanArguments& a = GalileanSecularArguments();
  EXPECT_EQ(a.l[0].constant_deg, 106.07947_r);
  EXPECT_EQ(a.l[0].rate_deg_per_day, 203.488955432_r);
  EXPECT_EQ(a.w[0].rate_deg_per_day, -0.1327943_r);
  EXPECT_EQ(a.pi[3].constant_deg, 335.3418_r);
  EXPECT_EQ(a.psi.rate_deg_per_day, -0.00000208_r);
  EXPECT_EQ(a.g_dash.constant_deg, 31.97853_r);
}

TEST(GalileanSeries, EvaluationSumsEveryTerm) {
  const Series series = ParseGalileanSeries(
      "series,index,coefficient,function,argument\n"
      "rad1,1,0.5,cos,2*l1 - l2\n"
      "rad1,2,-0.25,sin,l2 + 90deg\n").radius[0];
  GalileanAngles angles{};
  angles[static_cast<std::size_t>(GalileanAngle::l1)] = 0.3_r;
  angles[static_cast<std::size_t>(GalileanAngle::l2)] = 0.1_r;
  const Real expected = 0.5_r * std::cos(0.5_r) - 0.25_r * std::sin(0.1_r + 90 * kDegree);
  EXPECT_NEAR(static_cast<double>(EvaluateSeries(series, angles)), static_cast<double>(expected),
              1e-18);
}

TEST(GalileanSeries, MalformedTablesAreRefusedNamingTheLine) {
  const char* bad[] = {
      "lon1,1,0.1,sin,2*l9",        // unknown angle
      "lon1,1,0.1x,sin,l1",         // bad coefficient
      "lon1,1,0.1,tan,l1",          // unknown function
      "lon5,1,0.1,sin,l1",          // unknown moon
      "lon1,1,0.1,sin",             // missing field
      "lon1,1,0.1,sin,12deg",       // no angle at all
  };
  for (const char* line : bad) {
    try {
      ParseGalileanSeries(line);
      ADD_FAILURE() << "accepted: " << line;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(line), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(ParseGalileanArguments("name,c,r\nl1,1,2\n"), std::runtime_error);  // incomplete
}

}  // namespace
}  // namespace jovi
