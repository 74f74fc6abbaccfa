// A damaged coefficient file (a record that gives NaN, a record of another block, a file cut
// short) is a file error in the scene, the phenomena and the command-line tool: one message per
// computation, finite positions, and an answer after a handful of reads of the file (where the
// damage once made the light-time iteration read it for ever). The iterations that depend on the
// file stop at their bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "astro/coefficient_file.h"
#include "astro/planet_body.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "lists/hotlist_dates.h"
#include "phenomena/jupiter_phenomena.h"
#include "phenomena/root_finder.h"
#include "platform/program_dir.h"
#include "support/cli_run.h"
#include "support/file_helpers.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/le_codec.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr const char* kFileErrorCaption = "*** Outer Planets Coefficients File Error ***";
constexpr Real kJ2000 = 2451545.0_r;   // 2000 January 1, 12h
constexpr std::size_t kRecordOf2000 = 1200;  // Jupiter, 2000-2004
constexpr std::size_t kRecordBytes = kCoefficientBlockBytes;
// Reads of the file one computation may make: the scene's light-time passes; the phenomena's
// four searches (one read each, the first failure ending a search) and the distance.
constexpr std::uint64_t kMostSceneReads = kMostLightTimePasses;
constexpr std::uint64_t kMostPhenomenaReads = 4 + kMostLightTimePasses;

struct Damage {
  const char* name;
  std::string (*apply)(std::string file);
  // Finite and the right block: only the light time's distances show the damage.
  bool looks_sound = false;
};

// Longitude c0 of the record that covers 2000 January 1 becomes a quiet NaN.
std::string WithNaN(std::string file) {
  const float nan = std::nanf("");
  std::memcpy(file.data() + kRecordOf2000 * kRecordBytes + 4, &nan, sizeof nan);
  return file;
}

// The record that covers 2000 holds the next block (2005-2009): finite, but not the one asked.
std::string WithWrongBlock(std::string file) {
  file.replace(kRecordOf2000 * kRecordBytes, kRecordBytes,
               file.substr((kRecordOf2000 + 1) * kRecordBytes, kRecordBytes));
  return file;
}

// The file ends inside the record that covers 2000.
std::string Truncated(std::string file) {
  file.resize(kRecordOf2000 * kRecordBytes + 40);
  return file;
}

// A record for 2000 whose longitude turns half a circle in a hundredth of a day: finite, the
// right block, but Jupiter's place swings with the light time and the iteration never settles.
std::string WithRunawayLongitude(std::string file) {
  CoefficientBlock block;
  block.StartMJD = 51544.0f;
  block.Longitude = {0, 544000.0f, 0, 0, 0, 0, 0};
  block.Latitude = {};
  block.Radius = {5.2f, 0, 0, 0, 0, 0, 0};
  LeWriter out;
  WriteCoefficientBlock(out, block);
  file.replace(kRecordOf2000 * kRecordBytes, kRecordBytes,
               std::string(out.Bytes().begin(), out.Bytes().end()));
  return file;
}

// A record for 2000 that puts Jupiter at the Sun, where its direction from the Sun is undefined
// (found by the coefficient file's fuzz target: the moons' places seen from the Sun were NaN).
std::string WithJupiterAtTheSun(std::string file) {
  CoefficientBlock block;
  block.StartMJD = 51544.0f;
  LeWriter out;
  WriteCoefficientBlock(out, block);
  file.replace(kRecordOf2000 * kRecordBytes, kRecordBytes,
               std::string(out.Bytes().begin(), out.Bytes().end()));
  return file;
}

const Damage kDamages[] = {
    {"a record that gives NaN", WithNaN},
    {"a record of the wrong block", WithWrongBlock},
    {"a truncated file", Truncated},
    {"a record whose light time does not settle", WithRunawayLongitude, true},
    {"a record that puts Jupiter at the Sun", WithJupiterAtTheSun, true},
};

// The records the ephemeris asks of the file while `f` runs.
template <typename F>
std::uint64_t ReadsOf(F&& f) {
  const std::uint64_t before = CoefficientFileOpenings();
  f();
  return CoefficientFileOpenings() - before;
}

bool AllFinite(const ObservationScene& scene) {
  for (const SatelliteState& s : scene.Satellites()) {
    for (Real v :
         {s.X, s.Y, s.Z, s.SunX, s.SunY, s.SunZ, s.Longitude, s.Latitude, s.Radius}) {
      if (!std::isfinite(v)) return false;
    }
  }
  return std::isfinite(scene.JupiterDistance);
}

class DamagedCoefficientFile : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    shipped_ = test::ReadAll(ProgramDir() + "Outer_Pl_Tbl.dat");
    ASSERT_EQ(shipped_.size(), static_cast<std::size_t>(kCoefficientRecords) * kRecordBytes);
  }
  void TearDown() override {
    SetCoefficientFile("");
    ProgramScene().JupiterDistance = 0;
  }

  // Points the program at a copy of the shipped file with the damage done.
  std::string Use(const Damage& damage) {
    const std::string path =
        dir_.Write(std::string("damaged-") + std::to_string(n_++) + ".dat", damage.apply(shipped_));
    SetCoefficientFile(path);
    return path;
  }

  std::string shipped_;
  test::TempDir dir_;
  int n_ = 0;
};

TEST_F(DamagedCoefficientFile, TheShippedFileServes2000) {
  // The damage below is what makes the difference.
  test::RecordingPrompter messages;
  SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  ObservationScene scene;
  scene.Compute(TDTFromUT(kJ2000), messages);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_FALSE(scene.Working().jupiter_failed);
}

TEST_F(DamagedCoefficientFile, RecordsAreCheckedAsTheyAreRead) {
  const Real jde = TDTFromUT(kJ2000);
  for (const Damage& d : kDamages) {
    const std::string path = Use(d);
    CoefficientBlock block;
    block.StartMJD = 1;
    const CoefficientRecordRead read =
        ReadCheckedCoefficientRecord(path, kRecordOf2000, jde, block);
    if (d.apply == Truncated) {
      EXPECT_EQ(read, CoefficientRecordRead::Missing) << d.name;
    } else if (d.looks_sound) {
      EXPECT_EQ(read, CoefficientRecordRead::Read) << d.name;
      continue;
    } else {
      EXPECT_EQ(read, CoefficientRecordRead::Damaged) << d.name;
    }
    EXPECT_EQ(block.StartMJD, 1) << d.name;  // untouched
  }
  // The record before is sound in every copy.
  CoefficientBlock block;
  EXPECT_EQ(ReadCheckedCoefficientRecord(CoefficientFile(), kRecordOf2000 - 1, jde - 1000, block),
            CoefficientRecordRead::Read);
}

TEST_F(DamagedCoefficientFile, JupiterIsAFileErrorWithTheBlockHeldKept) {
  for (const Damage& d : kDamages) {
    if (d.looks_sound) continue;
    const std::string path = Use(d);
    test::RecordingPrompter messages;
    PlanetBody jupiter(kGeometric, &messages);
    const CoefficientBlock before = jupiter.Block;
    EXPECT_FALSE(jupiter.IsAvailable(kJ2000)) << d.name;
    EXPECT_TRUE(jupiter.FileError) << d.name;
    ASSERT_EQ(messages.messages.size(), 1u) << d.name;
    EXPECT_EQ(messages.messages[0].caption, kFileErrorCaption) << d.name;
    const std::string expected = path + (d.apply == Truncated ? " Not Accessible!" : " Damaged!");
    EXPECT_EQ(messages.messages[0].text.substr(0, expected.size()), expected) << d.name;
    EXPECT_EQ(jupiter.Block.StartMJD, before.StartMJD) << d.name;
    PositionRec pos;
    Real r = 0;
    jupiter.HeliocentricPosition(kJ2000, pos, r);
    EXPECT_TRUE(std::isfinite(pos.Longitude) && std::isfinite(pos.Latitude) && std::isfinite(r))
        << d.name;
  }
}

TEST_F(DamagedCoefficientFile, TheSceneGivesOneMessagePerComputationAndFinitePositions) {
  for (const Damage& d : kDamages) {
    Use(d);
    test::RecordingPrompter messages;
    ObservationScene scene;
    EXPECT_LE(ReadsOf([&] { scene.Compute(TDTFromUT(kJ2000), messages); }), kMostSceneReads)
        << d.name;
    ASSERT_EQ(messages.messages.size(), 1u) << d.name;
    EXPECT_EQ(messages.messages[0].caption, kFileErrorCaption) << d.name;
    EXPECT_TRUE(scene.Working().jupiter_failed) << d.name;
    EXPECT_TRUE(scene.Working().file_error) << d.name;
    EXPECT_LE(scene.Working().light_time_passes, kMostLightTimePasses) << d.name;
    EXPECT_TRUE(AllFinite(scene)) << d.name;
    for (const SatelliteState& s : scene.Satellites()) EXPECT_TRUE(s.Occulted) << d.name;

    scene.Compute(TDTFromUT(kJ2000 + 0.01_r), messages);  // the next computation: one more
    EXPECT_EQ(messages.messages.size(), 2u) << d.name;
    EXPECT_TRUE(AllFinite(scene)) << d.name;
  }
}

TEST_F(DamagedCoefficientFile, ALightTimeThatDoesNotSettleStopsAtItsBound) {
  Use(kDamages[3]);
  test::RecordingPrompter messages;
  ObservationScene scene;
  scene.Compute(TDTFromUT(kJ2000), messages);
  EXPECT_EQ(scene.Working().light_time_passes, kMostLightTimePasses);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, kFileErrorCaption);
  EXPECT_NE(messages.messages[0].text.find(" Damaged!"), std::string::npos);
  EXPECT_EQ(scene.JupiterDistance, 5.0_r);  // not taken from the runaway iteration

  messages.messages.clear();
  EXPECT_TRUE(std::isnan(EarthJupiterDistanceAt(TDTFromUT(kJ2000), &messages)));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, kFileErrorCaption);
}

TEST_F(DamagedCoefficientFile, ThePhenomenaGiveOneMessageAndNotFound) {
  for (const Damage& d : kDamages) {
    if (d.looks_sound) continue;  // the searches take no light time, which alone shows it
    Use(d);
    test::RecordingPrompter messages;
    TJupPhenomObj phenomena(&messages);
    DateTimeRec at;
    SetFromJD(at, kJ2000);
    EXPECT_LE(ReadsOf([&] { phenomena.ComputePhenomena(at); }), kMostPhenomenaReads) << d.name;
    ASSERT_EQ(messages.messages.size(), 1u) << d.name;
    EXPECT_EQ(messages.messages[0].caption, kFileErrorCaption) << d.name;
    EXPECT_TRUE(phenomena.EphemerisFailed()) << d.name;
    EXPECT_FALSE(phenomena.DistanceFound) << d.name;
    const std::vector<std::string> lines = phenomena.Lines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_NE(lines[15].find("Not available"), std::string::npos) << d.name;

    phenomena.ComputePhenomena(at);  // the next computation: one more
    EXPECT_EQ(messages.messages.size(), 2u) << d.name;
  }
}

TEST_F(DamagedCoefficientFile, TheCommandLineToolAnswersAtOnceWithOneMessage) {
  struct Run {
    std::vector<std::string> args;
    std::size_t out_lines;  // printed before it stops
  };
  const Run runs[] = {
      {{"scene", "2451545.0"}, 4},
      {{"phenomena", "2451545.0"}, 16},
      {{"events", "2451545.0", "2451547.0"}, 0},
      {{"table", "2451545.0", "2451546.0", "6"}, 0},
      {{"jupiter", "2451545.0"}, 0},
      {{"almanac", "2451545.0", "2451550.0"}, 0},
      {{"mutual", "2451545.0", "2451550.0"}, 0},
      {{"sky", "2451545.0", "--lat", "52", "--lon", "5"}, 0},
      {{"riseset", "2000/01/02", "--lat", "52", "--lon", "5"}, 0},
  };
  for (const Damage& d : kDamages) {
    Use(d);
    for (const Run& run : runs) {
      const std::string name = std::string(d.name) + ", " + run.args[0];
      // The jupiter command and the phenomena's searches take no light time, which alone
      // shows a runaway record.
      const bool own_message = run.args[0] == "jupiter" || run.args[0] == "sky" ||
                               run.args[0] == "riseset";
      if ((own_message || run.args[0] == "phenomena") && d.looks_sound) continue;
      test::ScopedProgramPrompter program;
      ProgramScene().JupiterDistance = 0;  // as in a fresh process
      test::CliResult r;
      EXPECT_LE(ReadsOf([&] { r = test::RunCliCommand(run.args); }), kMostPhenomenaReads) << name;
      EXPECT_EQ(r.status, 1) << name;
      // The jupiter, sky and riseset commands give the body's message as their error line; the
      // others show it through the program's prompter, once.
      const std::size_t messages = program.prompter.messages.size();
      if (own_message) {
        EXPECT_NE(r.err.find(kFileErrorCaption), std::string::npos) << name;
      } else {
        ASSERT_EQ(messages, 1u) << name;
        EXPECT_EQ(program.prompter.messages[0].caption, kFileErrorCaption) << name;
      }
      std::istringstream out(r.out);
      std::size_t lines = 0;
      for (std::string line; std::getline(out, line);) {
        ++lines;
        EXPECT_EQ(line.find("nan"), std::string::npos) << name << ": " << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << name << ": " << line;
      }
      EXPECT_EQ(lines, run.out_lines) << name;
    }
  }
}

TEST_F(DamagedCoefficientFile, TheDefaultHotlistSearchEnds) {
  Use(kDamages[0]);
  test::RecordingPrompter messages;
  const std::vector<HotlistEntry> entries = DefaultHotlistDates(2000, 2001, messages);
  for (const HotlistEntry& e : entries) {
    EXPECT_NE(std::string(e.Comment), hotlist_comment::kOpposition);  // none found in 2000
  }
  EXPECT_FALSE(messages.messages.empty());
}

// The root finder, told to go on every time it asks (as a silent prompter does), stops at its
// bound; a function that turns NaN stops it at once.
class Counting : public RFRootOBJ {
 public:
  Counting(Real (*f)(Real), Prompter* p) : RFRootOBJ(p), f_(f) {}
  Real Func(Real x) override {
    ++calls;
    return f_(x);
  }
  int calls = 0;

 private:
  Real (*f_)(Real);
};

TEST(RootFinderBounds, GoingOnForeverStopsAtTheMostIterations) {
  SilentPrompter always_yes;  // answers Yes to "Increase Iterations and Continue?"
  Counting finder([](Real x) { return std::pow(x, 9.0_r) - 1e-9_r; }, &always_yes);
  ASSERT_TRUE(finder.InitBracket(true, 1e-30_r, 3, -1));
  finder.calls = 0;
  finder.FindRoot();
  EXPECT_TRUE(finder.Failed);
  EXPECT_EQ(finder.calls, RFRootOBJ::kMostIterations);

  test::RecordingPrompter messages;
  messages.answers.assign(100, Answer::Yes);
  Counting asked([](Real x) { return std::pow(x, 9.0_r) - 1e-9_r; }, &messages);
  ASSERT_TRUE(asked.InitBracket(true, 1e-30_r, 3, -1));
  asked.FindRoot();
  EXPECT_TRUE(asked.Failed);
  EXPECT_EQ(messages.messages.size(), 5u);  // at 30, 60, 120, 240 and 480 steps
}

TEST(RootFinderBounds, ANaNEndsTheSearch) {
  test::RecordingPrompter messages;
  Counting finder([](Real x) { return x > 0.25_r ? std::numeric_limits<Real>::quiet_NaN() : x - 0.5_r; }, &messages);
  EXPECT_FALSE(finder.InitBracket(true, 0, 1, 0));  // f(0) < 0, f(1) NaN: no bracket
  EXPECT_TRUE(finder.Failed);
  finder.FindRoot();
  EXPECT_TRUE(finder.Failed);
  Counting inside([](Real x) { return x < 0.4_r || x > 0.6_r ? x - 0.5_r : std::numeric_limits<Real>::quiet_NaN(); },
                  &messages);
  ASSERT_TRUE(inside.InitBracket(false, 1e-12_r, 1, 0));
  inside.calls = 0;
  inside.FindRoot();
  EXPECT_TRUE(inside.Failed);
  EXPECT_EQ(inside.calls, 1);
}

TEST(RootFinderBounds, AReportedFailureGivesNoMessageOfTheFinder) {
  test::RecordingPrompter messages;
  Counting finder([](Real) -> Real { throw ReportedFailure("told already"); },
                  &messages);
  EXPECT_FALSE(finder.InitBracket(true, 0, 1, 0));
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace jovi
