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

TEST(CliAlmanac, HelpListsIt) {
  const CliResult r = RunCli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("  almanac FROM TO [--moon N] [--all]  "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  events FROM TO [--moon N]  "), std::string::npos) << r.out;
}

}  // namespace
}  // namespace jovi
