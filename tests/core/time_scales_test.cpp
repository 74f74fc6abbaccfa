#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "astro/date_time.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

Real JD(std::int32_t y, int m, int d, int h = 0) { return test::CivilJD(y, m, d, h); }

double Seconds(Real days) { return static_cast<double>(days * 86400.0_r); }

// Each test gets its own leap-second list and a recording prompter.
class TimeScales : public ::testing::Test {
 protected:
  void UseFile(const std::string& path) { SetLeapSecondFile(path); }
  void TearDown() override { SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt"); }

  test::ScopedProgramPrompter messages;
  test::TempDir dir;
};

TEST_F(TimeScales, DeltaTFollowsItsEpochs) {
  UseFile(ProgramDir() + "Leap Seconds.txt");
  struct Case {
    const char* name;
    Real jd;
    double seconds;
    double tolerance;
  };
  const Case cases[] = {
      {"2020: leap seconds of the shipped file", JD(2020, 1, 1), 37 + 32.184, 1e-9},
      {"1972 January 1: the first leap-second entry", JD(1972, 1, 1), 10 + 32.184, 1e-9},
      // The polynomials are fits to the observed values (given here) good to about a second;
      // a wrong branch would be off by far more.
      {"1971 December 31: still the 1900 polynomial", JD(1971, 12, 31), 42.2, 1.2},
      {"1950: 1900 polynomial", JD(1950, 1, 1), 29.1, 1.2},
      {"1900: 1900 polynomial", JD(1900, 1, 1), -2.8, 1.2},
      {"1850: 1800 polynomial", JD(1850, 1, 1), 7.1, 1.2},
      {"1799: last table year", JD(1799, 6, 1), 14, 1e-9},
      {"1700: table", JD(1700, 1, 1), 9, 1e-9},
      {"1620: first table year", JD(1620, 1, 1), 119, 1e-9},
      {"1619: medieval parabola", JD(1619, 12, 31), 50.6 + 67.5 * -3.8 + 22.5 * 3.8 * 3.8, 2.0},
      {"948: medieval parabola", JD(948, 1, 1), 50.6 + 67.5 * -10.52 + 22.5 * 10.52 * 10.52, 2.0},
      {"947: ancient parabola", JD(947, 12, 31), 2715.6 + 573.36 * -10.52 + 46.5 * 10.52 * 10.52,
       2.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(Seconds(DeltaT(c.jd)), c.seconds, c.tolerance) << c.name;
  }
  EXPECT_TRUE(messages.prompter.messages.empty());
}

TEST_F(TimeScales, ShippedFileReachesTheLatestLeapSecond) {
  UseFile(ProgramDir() + "Leap Seconds.txt");
  EXPECT_EQ(LeapSeconds(JD(2016, 12, 31)), 36);
  EXPECT_EQ(LeapSeconds(JD(2017, 1, 1)), 37);
  EXPECT_EQ(LeapSeconds(JD(2026, 12, 9)), 37);
  EXPECT_TRUE(ProgramLeapSeconds().FromFile());
  EXPECT_EQ(ProgramLeapSeconds().Entries().Count(), 28);
}

TEST_F(TimeScales, OldestEntryServesEarlierDates) {
  UseFile(ProgramDir() + "Leap Seconds.txt");
  EXPECT_EQ(LeapSeconds(2441317.4_r), 10);
  EXPECT_EQ(LeapSeconds(2400000.0_r), 10);
  EXPECT_EQ(LeapSeconds(2441499.5_r), 11);  // on the day a value starts
}

TEST_F(TimeScales, MissingFileFallsBackToTheBuiltInTableWithOneMessage) {
  struct Case {
    const char* name;
    std::string path;
    const char* error;
  };
  const Case cases[] = {
      {"missing file", dir.File("none.txt"), "File Not Found!"},
      {"missing folder", dir.File("nowhere/none.txt"), "Path Not Found!"},
      {"a folder, not a file", dir.Path().string(), "File Access Denied!"},
  };
  for (const Case& c : cases) {
    messages.prompter.messages.clear();
    UseFile(c.path);
    EXPECT_EQ(LeapSeconds(JD(2020, 1, 1)), 34) << c.name;  // the built-in table ends in 2009
    EXPECT_EQ(LeapSeconds(JD(1980, 1, 1)), 19) << c.name;
    EXPECT_EQ(LeapSeconds(JD(1960, 1, 1)), 10) << c.name;
    ASSERT_EQ(messages.prompter.messages.size(), 1u) << c.name;  // once per run, not per call
    const test::Message& m = messages.prompter.messages[0];
    EXPECT_EQ(m.text, "Cannot Access Leap Second File " + c.path +
                          "\r\nWill use internal table.  (May not be up-to-date).\r\n\r\n" +
                          c.error)
        << c.name;
    EXPECT_EQ(m.caption, "File Error");
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(ProgramLeapSeconds().Entries().Count(), 25);
  }
}

TEST_F(TimeScales, UnreadableFileIsAccessDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = dir.Write("locked.txt", "2441317.5, 10\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  UseFile(path);
  EXPECT_EQ(LeapSeconds(JD(2020, 1, 1)), 34);
  ASSERT_EQ(messages.prompter.messages.size(), 1u);
  EXPECT_NE(messages.prompter.messages[0].text.find("File Access Denied!"), std::string::npos);
}

TEST_F(TimeScales, FileLinesAreParsedAndBadOnesReportedOnce) {
  const std::string path = dir.Write("leap.txt",
                                     "** a comment line\r\n"
                                     "   , 2457754.5, 37\r\n"
                                     "2456109.5,35 ** comment after data is a comment\r\n"
                                     "2456109.5,35\r\n"
                                     "\r\n"
                                     "not a number, 3\r\n"
                                     "2441499.5\r\n"
                                     "2441317.5 , 10   \r\n"
                                     "2441317.5, 10, 12\r\n"
                                     // found by the leap-second file's fuzz target: a
                                     // difference of 136 000 years sent Delta T out of the calendar
                                     "0-4300000000000\r\n"
                                     "2441317.5, 3601\r\n"
                                     "1e9, 37\r\n");
  UseFile(path);
  EXPECT_EQ(LeapSeconds(JD(2020, 1, 1)), 37);
  EXPECT_EQ(LeapSeconds(JD(2015, 1, 1)), 35);
  EXPECT_EQ(LeapSeconds(JD(1990, 1, 1)), 10);
  EXPECT_EQ(ProgramLeapSeconds().Entries().Count(), 3);
  EXPECT_TRUE(ProgramLeapSeconds().FromFile());
  ASSERT_EQ(messages.prompter.messages.size(), 1u);
  EXPECT_EQ(messages.prompter.messages[0].text,
            "Leap Second File " + path +
                "\r\nLine 6 is not a Julian date and a number of seconds:\r\n\"not a number, 3\""
                "\r\n6 such lines were skipped.");
  EXPECT_EQ(messages.prompter.messages[0].caption, "File Error");
}

TEST_F(TimeScales, FileWithoutDataLinesFallsBackToTheBuiltInTable) {
  const std::string path = dir.Write("leap.txt", "** only comments\n\n   \n");
  UseFile(path);
  EXPECT_EQ(LeapSeconds(JD(2020, 1, 1)), 34);
  EXPECT_FALSE(ProgramLeapSeconds().FromFile());
  ASSERT_EQ(messages.prompter.messages.size(), 1u);
  EXPECT_EQ(messages.prompter.messages[0].text,
            "Leap Second File " + path +
                " holds no data lines.\r\nWill use internal table.  (May not be up-to-date).");
}

TEST_F(TimeScales, UniversalTimeRoundTripsThroughDynamicalTime) {
  UseFile(ProgramDir() + "Leap Seconds.txt");
  const Real instants[] = {JD(-500, 3, 1), JD(100, 1, 1),     JD(947, 12, 31, 23),
                                  JD(1000, 6, 1), JD(1700, 1, 1),    JD(1850, 7, 1),
                                  JD(1950, 1, 1), JD(1971, 12, 31, 23), JD(1990, 1, 1),
                                  JD(2024, 2, 29, 12), JD(2799, 12, 31)};
  for (Real jd : instants) {
    const Real back = UTFromTDT(TDTFromUT(jd));
    EXPECT_LT(std::fabs(Seconds(back - jd)), 0.01) << "JD " << static_cast<double>(jd);
  }
  EXPECT_NEAR(static_cast<double>(TenMillenniaSinceJ2000(2451545.0_r + 3652500.0_r)), 1.0, 1e-15);
}

}  // namespace
}  // namespace jovi
