// jovitrack-cli almanac: the line format, the moon and hidden choices, and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "astro/coefficient_file.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "support/cli_run.h"

namespace jovi {
namespace {

using test::CliResult;

CliResult RunCli(const std::vector<std::string>& args) {
  SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
  SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  return test::RunCliCommand(args);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// 2016 January 1 and 2, UT.
constexpr const char* kFrom = "2457388.5";
constexpr const char* kTo = "2457390.5";

TEST(CliAlmanac, OneEventPerLineAsPublishedAlmanacsNameThem) {
  const CliResult r = RunCli({"almanac", kFrom, kTo});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto lines = Lines(r.out);
  EXPECT_EQ(lines.size(), 15u);  // as many as the published table lists for the two days
  const std::regex form(
      R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d \d{7}\.\d{6} (I|II|III|IV)\.(Ec\.[DR]|Oc\.[DR]|Tr\.[IE]|Sh\.[IE]))");
  for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, form)) << line;
  // Io's eclipse of 2016 January 1, as the published table has it at 15:39 UT.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "2016/01/01 15:39:10 2457389.152199 I.Ec.D"),
            lines.end());
}

TEST(CliAlmanac, MoonAndHiddenChoices) {
  const auto visible = Lines(RunCli({"almanac", kFrom, kTo}).out);
  const CliResult all = RunCli({"almanac", kFrom, kTo, "--all"});
  ASSERT_EQ(all.status, 0) << all.err;
  // --all adds the hidden events, each marked, and keeps every visible line as it was.
  std::vector<std::string> unmarked;
  int hidden = 0;
  for (const std::string& line : Lines(all.out)) {
    if (line.ends_with(" hidden")) {
      ++hidden;
    } else {
      unmarked.push_back(line);
    }
  }
  EXPECT_GT(hidden, 0);
  EXPECT_EQ(unmarked, visible);
  // Io's reappearance from the shadow on January 1 happens behind the disc.
  EXPECT_NE(all.out.find(" I.Ec.R hidden\n"), std::string::npos);
  EXPECT_EQ(Lines(RunCli({"almanac", kFrom, kTo}).out).size() + hidden, Lines(all.out).size());

  struct Case {
    const char* moon;
    const char* numeral;
  };
  for (const Case c : {Case{"1", " I."}, Case{"4", " IV."}}) {
    const CliResult r = RunCli({"almanac", kFrom, kTo, "--all", "--moon", c.moon});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines)
      EXPECT_NE(line.find(c.numeral), std::string::npos) << line;
  }
}

TEST(CliAlmanac, BadInputIsOneLineAndStatusTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"almanac"},
      {"almanac", kFrom},
      {"almanac", "noon", kTo},
      {"almanac", kTo, kFrom},          // the end before the start
      {"almanac", "1000000", kTo},      // before the year 100
      {"almanac", kFrom, "2461388.5"},  // over 3660 days
      {"almanac", kFrom, kTo, "--moon", "5"},
      {"almanac", kFrom, kTo, "--moon"},
      {"almanac", kFrom, kTo, "--moon", "1", "--moon", "2"},
      {"almanac", kFrom, kTo, "--hidden"},
  };
  for (const auto& args : cases) {
    const CliResult r = RunCli(args);
    SCOPED_TRACE(args.size() > 1 ? args[1] : "no arguments");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("jovitrack-cli almanac: ")) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
}

TEST(CliAlmanac, FromAPlaceOnlyTheVisibleEventsWithJupitersAltitude) {
  const auto plain = Lines(RunCli({"almanac", kFrom, kTo}).out);
  // Sydney on 2016 January 1 and 2: Jupiter rises before local midnight (13 h UT).
  const CliResult sydney = RunCli({"almanac", kFrom, kTo, "--lat", "33.87S", "--lon", "151.21"});
  ASSERT_EQ(sydney.status, 0) << sydney.err;
  EXPECT_EQ(sydney.err, "");
  const auto lines = Lines(sydney.out);
  ASSERT_EQ(lines.size(), 7u);
  // Each line is the place-less line unchanged, then the altitude to a tenth of a degree, at
  // least the 10 degrees.
  const std::regex altitude(R"((.*) (\d+\.\d))");
  for (const std::string& line : lines) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, altitude)) << line;
    EXPECT_NE(std::find(plain.begin(), plain.end(), m[1].str()), plain.end()) << line;
    EXPECT_GE(std::stod(m[2].str()), 10.0) << line;
  }
  EXPECT_EQ(lines[0], "2016/01/01 14:13:02 2457389.092384 III.Ec.D 15.0");
  EXPECT_EQ(lines[3], "2016/01/02 14:09:59 2457390.090266 I.Tr.I 15.2");

  // The limit between those two altitudes keeps the higher one only; the signed latitude
  // reads as the lettered one.
  const auto higher = Lines(
      RunCli({"almanac", kFrom, kTo, "--lat", "-33.87", "--lon", "151.21E", "--min-alt", "15.1"})
          .out);
  ASSERT_EQ(higher.size(), 6u);
  EXPECT_EQ(higher[0], lines[1]);
  EXPECT_EQ(higher[2], lines[3]);

  // Amsterdam, where Jupiter rises near local midnight: the dusk and daytime events go.
  const CliResult amsterdam = RunCli({"almanac", kFrom, kTo, "--lat", "52.37N", "--lon", "4.89E"});
  ASSERT_EQ(amsterdam.status, 0) << amsterdam.err;
  EXPECT_EQ(amsterdam.out,
            "2016/01/02 05:35:02 2457389.732662 II.Ec.D 39.8\n"
            "2016/01/02 23:25:04 2457390.475741 IV.Oc.D 11.6\n");
  // At 05:35 UT (06:35 local) the Sun is still 19 degrees down: even the darkest limit the
  // window offers, the end of astronomical twilight, keeps both.
  const auto dark = Lines(
      RunCli({"almanac", kFrom, kTo, "--lat", "52.37N", "--lon", "4.89E", "--sun-below", "18"})
          .out);
  EXPECT_EQ(dark.size(), 2u);
}

TEST(CliAlmanac, BadPlaceAndLimitsAreOneLineAndStatusTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"almanac", kFrom, kTo, "--lat", "52N"},  // no longitude
      {"almanac", kFrom, kTo, "--lon", "4E"},
      {"almanac", kFrom, kTo, "--lat", "95N", "--lon", "4E"},
      {"almanac", kFrom, kTo, "--lat", "52N", "--lon", "4E", "--lat", "50N"},
      {"almanac", kFrom, kTo, "--min-alt", "5"},  // a limit without a place
      {"almanac", kFrom, kTo, "--lat", "52N", "--lon", "4E", "--min-alt", "95"},
      {"almanac", kFrom, kTo, "--lat", "52N", "--lon", "4E", "--sun-below", "-1"},
      {"almanac", kFrom, kTo, "--lat", "52N", "--lon", "4E", "--sun-below", "6", "--sun-below",
       "7"},
      {"almanac", kFrom, kTo, "--lat", "52N", "--lon", "4E", "--min-alt"},
  };
  for (const auto& args : cases) {
    const CliResult r = RunCli(args);
    SCOPED_TRACE(args.back());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("jovitrack-cli almanac: ")) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_NE(RunCli(cases[5]).err.find("from 0 to 90"), std::string::npos);
}

TEST(CliAlmanac, HelpListsIt) {
  const CliResult r = RunCli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("  almanac FROM TO [--moon N] [--all]  "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("[--lat DEG --lon DEG [--min-alt DEG] [--sun-below DEG]]"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("  events FROM TO [--moon N]  "), std::string::npos) << r.out;
}

}  // namespace
}  // namespace jovi
