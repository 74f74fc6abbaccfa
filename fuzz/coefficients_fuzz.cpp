// Fuzzes the outer-planet coefficient file ("Outer_Pl_Tbl.dat") as the ephemeris reads it: the
// input is the whole file. Jupiter's records are 88 bytes from the start, record k covering the
// years -4000 + 5k to -3995 + 5k, so a short input is the file's first records. At an instant in
// each of the first eight blocks, and in 2000 (a record a short input does not hold), the
// satellite scene, Jupiter's position and the phenomena are computed: every value finite, the
// scene's messages one per computation, and each failure a file error.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "astro/coefficient_file.h"
#include "astro/date_time.h"
#include "astro/planet_body.h"
#include "astro/satellite_scene.h"
#include "fuzz_file.h"
#include "phenomena/jupiter_phenomena.h"
#include "util/real.h"

namespace {

class Counting final : public jovi::Prompter {
 public:
  jovi::Answer Ask(std::string_view, std::string_view caption, jovi::Buttons buttons,
                   jovi::Icon icon) override {
    ++count;
    last_caption = caption;
    return jovi::SilentPrompter().Ask("", caption, buttons, icon);
  }
  int count = 0;
  std::string last_caption;
};

constexpr std::string_view kFileErrorCaption = "*** Outer Planets Coefficients File Error ***";

// Stops the run with what went wrong.
void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "coefficients_fuzz: %s\n", what);
  std::abort();
}

void Finite(Real v, const char* what) { Require(std::isfinite(v), what); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::string path = fuzz::InputFile(data, size, "Outer_Pl_Tbl.dat");
  SetCoefficientFile(path);

  std::vector<Real> instants;
  for (int k = 0; k < 8; ++k) instants.push_back(YearStartJD(-4000 + 5 * k + 2) + 100.25_r);
  instants.push_back(2451545.0_r);

  ObservationScene scene;  // carries the light time from one instant to the next
  for (Real jde : instants) {
    Counting messages;
    scene.Compute(jde, messages);
    Require(messages.count <= 1, "more than one message from one scene");
    Require(scene.Working().jupiter_failed == (messages.count == 1),
            "a failed scene without its message, or a message without a failure");
    Require(!scene.Working().file_error || messages.last_caption == kFileErrorCaption,
            "a file error under another caption");
    for (const SatelliteState& s : scene.Satellites()) {
      for (Real v :
           {s.X, s.Y, s.Z, s.SunX, s.SunY, s.SunZ, s.Longitude, s.Latitude, s.Radius}) {
        Finite(v, "a moon's place not finite");
      }
    }
    Finite(scene.JupiterDistance, "the scene's Earth-Jupiter distance not finite");

    PlanetBody jupiter(kApparent, &messages);
    PositionRec pos;
    Real distance = 0;
    jupiter.GeocentricPosition(jde, pos, distance);
    Finite(pos.Longitude, "Jupiter's longitude not finite");
    Finite(pos.Latitude, "Jupiter's latitude not finite");
    Finite(distance, "Jupiter's distance not finite");
    (void)jupiter.Magnitude(jde);
  }

  // The phenomena near the first instant: the searches end, one ephemeris message at most.
  Counting messages;
  TJupPhenomObj phenomena(&messages);
  DateTimeRec at;
  SetFromJD(at, instants[2]);
  phenomena.ComputePhenomena(at);
  (void)phenomena.Lines();
  if (phenomena.DistanceFound)
    Finite(phenomena.EarthJupiterDistance, "a distance found not finite");
  return 0;
}
