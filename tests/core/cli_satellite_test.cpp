#include <gtest/gtest.h>

#include <sstream>

#include "astro/coefficient_file.h"
#include "astro/planet_body.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "cli/cli.h"
#include "support/cli_run.h"
#include "measure/measurement_csv.h"
#include "platform/program_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::CliResult;

CliResult RunCli(const std::vector<std::string>& args) {
  SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
  SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  ProgramScene().JupiterDistance = 0;  // as in a fresh process
  return test::RunCliCommand(args);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST(CliSatellites, SceneOfTheWorkedExample) {
  const CliResult r = RunCli({"scene", "2448972.5"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 4u);
  int moon = 0;
  double x = 0, y = 0;
  std::istringstream(lines[0]) >> moon >> x >> y;
  EXPECT_EQ(moon, 1);
  EXPECT_NEAR(x, -3.4503, 0.01);
  EXPECT_NEAR(y, 0.2137, 0.01);
  // Ten fields: n, six coordinates with 6 decimals, three flags.
  std::istringstream fields(lines[3]);
  std::vector<std::string> f;
  for (std::string s; fields >> s;) f.push_back(s);
  ASSERT_EQ(f.size(), 10u);
  EXPECT_EQ(f[1].size() - f[1].find('.'), 7u);
  EXPECT_TRUE(f[9] == "0" || f[9] == "1");

  // The same instant given as dynamical time (to the 0.4 s of its fifth decimal).
  const CliResult tdt = RunCli({"scene", "2448972.50068", "--tdt"});
  double tdt_x = 0;
  std::istringstream(tdt.out) >> moon >> tdt_x;
  EXPECT_NEAR(tdt_x, x, 2e-4);
}

TEST(CliSatellites, TableReadsBackAsMeasurements) {
  const CliResult r = RunCli({"table", "2448972.5", "2448973.5", "6"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = SplitLines(r.out);
  ASSERT_EQ(lines.size(), 6u + 5u);  // the heading, then 0, 6, 12, 18 and 24 hours
  EXPECT_EQ(lines[5], "Julian Date,      Io,  Europa,Ganymede, Callisto");
  EXPECT_EQ(r.out.find('\n'), r.out.find("\r\n") + 1);  // CR LF line ends
  const std::vector<MeasurementRecord> records = ReadCsvRecords(lines);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_NEAR(static_cast<double>(records[0].JulianDay), 2448972.5, 1e-6);
  EXPECT_NEAR(static_cast<double>(records[4].JulianDay), 2448973.5, 1e-6);
  EXPECT_NEAR(records[0].Offset[0], -3.4503f / 2, 0.01f);  // diameters, west positive
  EXPECT_NEAR(records[0].Offset[3], 7.0720f / 2, 0.01f);
}

TEST(CliSatellites, EventsAlternateAndMatchTheScene) {
  const CliResult r = RunCli({"events", "2448972.5", "2448976.5", "--moon", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = SplitLines(r.out);
  ASSERT_GE(lines.size(), 3u);  // Io is eclipsed about every 42.5 hours
  std::string previous;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    int moon = 0;
    std::string what, date, time;
    Real jd = 0;
    in >> moon >> what >> jd >> date >> time;
    EXPECT_EQ(moon, 1) << line;
    EXPECT_NE(what, previous) << line;  // enter and leave alternate
    previous = what;
    // A second either side of the event, the scene agrees.
    ComputeScene(TDTFromUT(jd - 1.0_r / 86400));
    const bool before = ProgramScene().Satellite(1).Eclipsed;
    ComputeScene(TDTFromUT(jd + 1.0_r / 86400));
    const bool after = ProgramScene().Satellite(1).Eclipsed;
    EXPECT_EQ(before, what == "leave") << line;
    EXPECT_EQ(after, what == "enter") << line;
  }
}

TEST(CliSatellites, BadInputIsRefused) {
  const std::vector<std::vector<std::string>> cases = {
      {"scene"},
      {"scene", "1000000"},  // before the year 100
      {"scene", "2448972.5", "--utc"},
      {"table", "2448973.5", "2448972.5", "6"},
      {"table", "2448972.5", "2448973.5", "0"},
      {"table", "2448972.5", "2458973.5", "0.01"},  // too many instants
      {"events", "2448972.5", "2468973.5"},        // too long a span
      {"events", "2448972.5", "2448973.5", "--moon", "5"},
  };
  for (const auto& args : cases) {
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_EQ(r.out, "") << args[0];
  }
}

}  // namespace
}  // namespace jovi
