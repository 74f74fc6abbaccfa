// jovitrack-cli options: an options file as the options dialog shows it, and a file that is
// none refused with its reason, the file left where it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/options_file.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

TEST(CliOptions, ShowsEachControlAsTheDialogDoes) {
  test::TempDir dir;
  OptsRec rec;
  SetDefaultOptions(rec);
  rec.ObsStepHrs = 6;
  rec.NewtonClouds = false;
  rec.NewtonCloudyPct = 35;
  rec.LoginRequired = false;
  const std::vector<std::uint8_t> bytes = EncodeOptions(rec);
  const std::string path = dir.Write("JUP_OPTS.INI", std::string(bytes.begin(), bytes.end()));
  const test::CliResult r = test::RunCliCommand({"options", path});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* line : {"ObsIntEd=6.0000\n", "NCloudsBox=0\n", "NCloudyEd=35\n",
                           "DemoBox=1\n", "AnmStepEd=0.1000\n", "HtLstEd=HotDates.htl\n"}) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(r.out.find("PWEd"), std::string::npos);
}

TEST(CliOptions, RefusesWhatIsNoOptionsFileAndKeepsIt) {
  test::TempDir dir;
  OptsRec rec;
  SetDefaultOptions(rec);
  std::vector<std::uint8_t> bytes = EncodeOptions(rec);
  bytes.pop_back();
  const std::string shortened = dir.Write("short.INI", std::string(bytes.begin(), bytes.end()));
  rec.FileVersion = "2.2";
  bytes = EncodeOptions(rec);
  const std::string obsolete = dir.Write("old.INI", std::string(bytes.begin(), bytes.end()));
  for (const std::string& path : {shortened, obsolete, dir.File("missing.INI")}) {
    const test::CliResult r = test::RunCliCommand({"options", path});
    EXPECT_NE(r.status, 0) << path;
    EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_TRUE(std::filesystem::exists(obsolete));
}

}  // namespace
}  // namespace jovi
