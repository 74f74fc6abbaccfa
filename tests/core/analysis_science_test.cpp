// The lab's science, worked through the analysis core: forty nights of a perfect observer's
// offsets from the satellite theory, a sine curve fitted with the window's own sliders and
// residual, and Jupiter's mass from Kepler's third law.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "analysis/orbit_analysis.h"
#include "astro/coefficient_file.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "support/recording_prompter.h"
#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kFirstNight = 2459830.75_r;  // 2022 September 8, 6h UT
constexpr int kNights = 40;
constexpr Real kJupiterDiameterM = 142984e3_r;
constexpr Real kGravitation = 6.6743e-11_r;
constexpr Real kJupiterMassKg = 1.898e27_r;

// What `jovitrack-cli table` writes for a perfect observer: half the offset in radii, west
// positive; a moon behind the disc or in the shadow is not measured.
MeasurementTable AnswerKey() {
  SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
  SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  MeasurementTable table;
  for (int night = 0; night < kNights; ++night) {
    MeasurementRecord r;
    r.JulianDay = kFirstNight + night;
    ComputeScene(TDTFromUT(r.JulianDay));
    for (int k = 1; k <= 4; ++k) {
      const SatelliteState& s = ProgramScene().Satellite(k);
      if (!s.Occulted && !s.Eclipsed) {
        r.Offset[static_cast<std::size_t>(k - 1)] = static_cast<float>(s.X / 2);
      }
    }
    table.InsertOrdered(r);
  }
  return table;
}

Real Residual(OrbitAnalysis& a) {
  a.Frame();
  return a.Sine(a.SelectedMoon()).RmsResidual;
}

// The student's way: a starting curve, then each slider in turn to where the residual is
// least, its reset, coarse rounds and then fine ones.
void FitByHand(OrbitAnalysis& a, int moon, Real period) {
  a.SelectMoon(moon);
  const MoonPlotState& s = a.PlotState(moon);
  const Real amplitude = s.MaxAbsOffset;
  // T-zero read off the plot to a twentieth of a period.
  Real best_tzero = 0, best = INFINITY;
  for (int k = 0; k < 20; ++k) {
    const Real tzero = s.JDBase + s.PlotStart + k * period / 20;
    a.BeginInitialParameters();
    ASSERT_TRUE(a.AcceptInitialParameters(
        {FixedText(tzero, 5), FixedText(period, 5), FixedText(amplitude, 2)}));
    const Real rms = Residual(a);
    if (rms < best) {
      best = rms;
      best_tzero = tzero;
    }
  }
  a.BeginInitialParameters();
  ASSERT_TRUE(a.AcceptInitialParameters(
      {FixedText(best_tzero, 5), FixedText(period, 5), FixedText(amplitude, 2)}));
  for (bool fine : {false, true}) {
    a.SetFine(fine);
    for (int round = 0; round < 4; ++round) {
      for (Slider slider : {Slider::TZero, Slider::Period, Slider::Amplitude}) {
        int best_at = 0;
        Real least = INFINITY;
        for (int p = kSliderMin; p <= kSliderMax; p += 2) {
          a.MoveSlider(slider, p);
          const Real rms = Residual(a);
          if (rms < least) {
            least = rms;
            best_at = p;
          }
        }
        a.MoveSlider(slider, best_at);
        a.ResetSlider(slider);
      }
    }
  }
}

TEST(AnalysisScience, FittedOrbitsGiveJupitersMass) {
  MeasurementTable table = AnswerKey();
  test::RecordingPrompter prompter;
  OrbitAnalysis analysis(prompter);
  bool changed = true;
  analysis.Show(table, changed, OptsRec{});

  struct Moon {
    const char* name;
    Real start_period;  // as a student reads it off the plot
    Real period, amplitude;
  } moons[] = {{"Io", 1.8_r, 1.769_r, 2.95_r},
               {"Europa", 3.6_r, 3.551_r, 4.70_r},
               {"Ganymede", 7.2_r, 7.155_r, 7.50_r},
               {"Callisto", 17.0_r, 16.69_r, 13.18_r}};
  for (int m = 1; m <= 4; ++m) {
    const Moon& moon = moons[m - 1];
    FitByHand(analysis, m, moon.start_period);
    const SineParameters& p = analysis.Sine(m);
    const Real a = p.Amplitude * kJupiterDiameterM;
    const Real t = p.Period * 86400;
    const Real mass = 4 * std::numbers::pi_v<Real> * std::numbers::pi_v<Real> *
                             a * a * a / (kGravitation * t * t);
    std::printf("%-9s period %.5" JOVI_REAL_LEN "f d (%+.2" JOVI_REAL_LEN "f %%)  amplitude %.4" JOVI_REAL_LEN "f (%+.2" JOVI_REAL_LEN "f %%)  rms %.4" JOVI_REAL_LEN "f  "
                "mass %.4" JOVI_REAL_LEN "e kg (%+.2" JOVI_REAL_LEN "f %%)\n",
                moon.name, p.Period, 100 * (p.Period / moon.period - 1), p.Amplitude,
                100 * (p.Amplitude / moon.amplitude - 1), p.RmsResidual, mass,
                100 * (mass / kJupiterMassKg - 1));
    EXPECT_NEAR(static_cast<double>(p.Period / moon.period), 1.0, 0.015) << moon.name;
    EXPECT_NEAR(static_cast<double>(p.Amplitude / moon.amplitude), 1.0, 0.02) << moon.name;
    EXPECT_NEAR(static_cast<double>(mass / kJupiterMassKg), 1.0, 0.03) << moon.name;
  }
}

}  // namespace
}  // namespace jovi
