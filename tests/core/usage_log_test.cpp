#include "config/usage_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/file_helpers.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::ReadAll;

const StudentInfo kStudents{{"John Smith", "Mary Ann Jones", "", ""}, "T7", "JSmith"};

class UsageLogTest : public ::testing::Test {
 protected:
  UsageLogTest() : clock({2012, 3, 7, 9, 5, 7, 250}), log(options) { options.WriteLog = true; }
  std::string LogPath() const { return dir.File("ZEVALog.log"); }

  test::TempDir dir;
  test::FixedClock clock;
  OptsRec options;
  LogFileObj log;
};

TEST_F(UsageLogTest, LoginAndLogoutBlocksAreAppendedLineByLine) {
  log.Init(kLogAppTag, LogPath(), &kStudents);
  log.WriteLogin();
  EXPECT_TRUE(log.LoginWritten());
  clock.Set({2012, 3, 8, 11, 8, 11, 250});  // 1 day, 2 h 3 min 4 s later
  log.WriteLogout();
  EXPECT_TRUE(log.LogoutWritten());
  EXPECT_EQ(ReadAll(LogPath()),
            "Login: ZEVA_JUP\r\n"
            "Date: 03-07-2012\r\n"
            "Time:  9:05:07.25\r\n"
            "Name1: John Smith\r\n"
            "Name2: Mary Ann Jones\r\n"
            "Name3: \r\n"
            "Name4: \r\n"
            "Table: T7\r\n"
            "EndLogin: ZEVA_JUP\r\n"
            "Logout: ZEVA_JUP\r\n"
            "Date: 03-08-2012\r\n"
            "Time: 11:08:11.25\r\n"
            "Name1: John Smith\r\n"
            "Name2: Mary Ann Jones\r\n"
            "Name3: \r\n"
            "Name4: \r\n"
            "Table: T7\r\n"
            "Elapsed Time: 1Days,  2:03:04.00\r\n"
            "EndLogout: ZEVA_JUP\r\n");
  EXPECT_EQ(log.LastIoResult(), 0);
}

TEST_F(UsageLogTest, ASessionUnderADayHasNoDaysAndOldContentStays) {
  dir.Write("ZEVALog.log", "earlier\r\n");
  log.Init(kLogAppTag, LogPath(), &kStudents);
  clock.Set({2012, 3, 7, 9, 47, 17, 750});
  log.WriteLogout();
  const std::string text = ReadAll(LogPath());
  EXPECT_EQ(text.rfind("earlier\r\nLogout: ZEVA_JUP\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\nElapsed Time:  0:42:10.50\r\nEndLogout: ZEVA_JUP\r\n"),
            std::string::npos);
}

TEST_F(UsageLogTest, NothingIsWrittenWithoutWriteLogStudentsOrPath) {
  options.WriteLog = false;
  log.Init(kLogAppTag, LogPath(), &kStudents);
  log.WriteLogin();
  log.WriteLogout();
  options.WriteLog = true;
  log.Init(kLogAppTag, LogPath(), nullptr);
  log.WriteLogin();
  log.Init(kLogAppTag, "", &kStudents);
  log.WriteLogin();
  EXPECT_FALSE(std::filesystem::exists(LogPath()));
  EXPECT_FALSE(log.LoginWritten());
  EXPECT_FALSE(log.LogoutWritten());
}

TEST_F(UsageLogTest, ALogThatCannotBeWrittenIsSkippedSilently) {
  dir.Write("file", "x");
  log.Init(kLogAppTag, dir.File("file/ZEVALog.log"), &kStudents);
  log.WriteLogin();
  EXPECT_FALSE(log.LoginWritten());
  EXPECT_NE(log.LastIoResult(), 0);
}

TEST(UsageLogText, ElapsedTimeAndLogPath) {
  const struct { Real days; const char* text; } cases[] = {
      {0.0_r, " 0:00:00.00"},
      {(42 * 60 + 10.5_r) / 86400, " 0:42:10.50"},
      {1 + (2 * 3600 + 3 * 60 + 4) / 86400.0_r, "1Days,  2:03:04.00"},
      {12 + 0.5_r, "12Days, 12:00:00.00"},
      {-0.5_r, " 0:00:00.00"},                      // a clock set back
  };
  for (const auto& c : cases) EXPECT_EQ(ElapsedTimeText(c.days), c.text) << c.text;

  EXPECT_EQ(LogPathFor("ZEVALog.log", "/data/"), "/data/ZEVALog.log");
  EXPECT_EQ(LogPathFor("/var/log/zeva.log", "/data/"), "/var/log/zeva.log");
  EXPECT_EQ(LogPathFor("logs/zeva.log", "/data/"), "logs/zeva.log");
}

}  // namespace
}  // namespace jovi
