#include <gtest/gtest.h>

#include <sstream>

#include "astro/time_scales.h"
#include "cli/cli.h"
#include "support/cli_run.h"
#include "platform/program_dir.h"

namespace jovi {
namespace {

using test::CliResult;

CliResult RunCli(const std::vector<std::string>& args) {
  SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
  return test::RunCliCommand(args);
}

TEST(CliTime, Answers) {
  struct Case {
    std::vector<std::string> args;
    const char* out;
  };
  const Case cases[] = {
      {{"jd", "2000/01/01", "12:00:00"}, "2451545.000000\n"},
      {{"jd", "1582/10/15"}, "2299160.500000\n"},
      {{"jd", "1582/10/04"}, "2299159.500000\n"},
      {{"jd", "-4000/03/01"}, "260117.500000\n"},
      {{"jd", "1957/10/04", "19:26:24"}, "2436116.310000\n"},
      {{"date", "2451545"}, "2000/01/01 12:00:00\n"},
      {{"date", "2299160.5"}, "1582/10/15 00:00:00\n"},
      {{"date", "2299159.5"}, "1582/10/04 00:00:00\n"},
      {{"date", "260117.75"}, "-4000/03/01 06:00:00\n"},
      {{"date", "2461384.4999999"}, "2026/12/10 00:00:00\n"},  // rounds into the next day
      {{"date", "2415018.4999999"}, "1899/12/30 00:00:00\n"},  // likewise before serial zero
      {{"deltat", "2451545"}, "64.184\n"},
      {{"deltat", "2460000.5"}, "69.184\n"},
      {{"deltat", "2341972.5"}, "9.000\n"},  // 1700
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 0) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(r.out, c.out) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(r.err, "");
  }
}

TEST(CliTime, BadInputIsRefusedWithOneLine) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"nonsense"},
      {"jd"},
      {"jd", "2001/02/29"},
      {"jd", "2001-02-03"},
      {"jd", "2001/02/03", "24:00:00"},
      {"jd", "2001/02/03", "12:60:00"},
      {"jd", "2001/02/03", "12:00"},
      {"jd", "8001/01/01"},
      {"jd", "2001/02/03", "12:00:00", "extra"},
      {"date", "abc"},
      {"date", "2451545x"},
      {"date", "nan"},
      {"date", "1e30"},
      {"deltat", "-1e9"},
      {"deltat"},
      {"date", "0"},  // before the year -4000
  };
  for (const auto& args : cases) {
    const CliResult r = RunCli(args);
    const std::string what = args.empty() ? "(none)" : args[0] + " ...";
    EXPECT_EQ(r.status, 2) << what;
    EXPECT_EQ(r.out, "") << what;
    if (!args.empty()) {
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << what << ": " << r.err;
    }
  }
}

}  // namespace
}  // namespace jovi
