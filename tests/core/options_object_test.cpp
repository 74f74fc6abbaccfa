#include "config/options_object.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/options_file.h"
#include "config/password.h"
#include "support/fake_storage_environment.h"
#include "support/file_helpers.h"
#include "support/file_size_limit.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::ReadAll;

std::string AsText(const std::vector<std::uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// Options file bytes with the given version and a recognisable logo name.
std::string OptionsFileBytes(const std::string& version, const std::string& logo = "mine.bmp") {
  OptsRec r;
  r.FileVersion = version;
  r.LogoBmp = logo;
  return AsText(EncodeOptions(r));
}

class OptionsObjectTest : public ::testing::Test {
 protected:
  OptionsObjectTest() : options(prompter) {
    std::filesystem::create_directories(dir.Path() / "program");
    std::filesystem::create_directories(dir.Path() / "data");
    env.program_folder = dir.File("program") + "/";
    env.working_folder = dir.File("data") + "/";
    env.per_user_folder = dir.File("home/ZEVA/SatLab") + "/";
    options.Record().ProgVersion = kProgramVersion;
    options.Record().OptsFileName = kOptionsFileName;
    options.Record().BackupFileName = "JUP_OPTS.BAK";
  }
  std::string DataFile(const std::string& name) const { return env.working_folder + name; }
  std::string ProgramFile(const std::string& name) const { return env.program_folder + name; }
  bool Init() { return options.InitOptions(kOptionsFileName, kProgramVersion, env); }

  test::TempDir dir;
  test::FakeStorageEnvironment env;
  test::RecordingPrompter prompter;
  OptsObj options;
};

TEST_F(OptionsObjectTest, OnlyAFileOfExactly2383BytesIsAccepted) {
  const std::string good = OptionsFileBytes("2.114");
  const struct { const char* name; std::string bytes; bool accepted; const char* why; } cases[] = {
      {"exact", good, true, ""},
      {"one short", good.substr(0, 2382), false, "Read beyond end of file"},
      {"one long", good + '\0', false, "EOF Not Reached!"},
      {"no whole version", good.substr(0, 40), false, "Read beyond end of file"},
  };
  for (const auto& c : cases) {
    prompter.messages.clear();
    const std::string path = dir.Write("JUP_OPTS.INI", c.bytes);
    EXPECT_EQ(options.LoadOptions(path), c.accepted) << c.name;
    if (c.accepted) {
      EXPECT_TRUE(prompter.messages.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
    EXPECT_EQ(prompter.messages[0].text,
              "Options File " + path +
                  " is Invalid.\r\nProgram will continue with defaults or alternative file."
                  "\r\n\r\n" + c.why)
        << c.name;
    EXPECT_EQ(prompter.messages[0].caption, "File Error");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
  }
}

TEST_F(OptionsObjectTest, ACompatibleVersionIsTakenAndAnObsoleteFileIsDeleted) {
  const std::string newer = dir.Write("newer.ini", OptionsFileBytes("2.119"));
  EXPECT_TRUE(options.LoadOptions(newer));
  EXPECT_EQ(options.Record().FileVersion, "2.119");
  EXPECT_EQ(options.Record().LogoBmp, "mine.bmp");
  EXPECT_TRUE(prompter.messages.empty());

  const std::string old = dir.Write("old.ini", OptionsFileBytes("2.2"));
  EXPECT_FALSE(options.LoadOptions(old));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Options File " + old +
                " is obsolete.\r\nProgram will continue with defaults or alternative file.");
  EXPECT_EQ(prompter.messages[0].caption, "Version Error");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
  EXPECT_FALSE(std::filesystem::exists(old));

  EXPECT_FALSE(options.LoadOptions(dir.File("absent.ini")));
  EXPECT_EQ(prompter.messages.size(), 1u);  // a missing file is silent
}

TEST_F(OptionsObjectTest, SavingCopiesThePreviousFileToTheBackupAndRoundTripsByteForByte) {
  const std::string previous = OptionsFileBytes("2.11", "previous.bmp");
  dir.Write("data/JUP_OPTS.INI", previous);
  ASSERT_TRUE(options.LoadOptions(DataFile("JUP_OPTS.INI")));
  ASSERT_TRUE(options.SaveOptions(env.working_folder));
  EXPECT_EQ(ReadAll(DataFile("JUP_OPTS.INI")), previous);  // nothing changed, nothing moved
  EXPECT_EQ(ReadAll(DataFile("JUP_OPTS.BAK")), previous);

  options.Record().LogoBmp = "changed.bmp";
  ASSERT_TRUE(options.SaveOptions(env.working_folder));
  EXPECT_EQ(ReadAll(DataFile("JUP_OPTS.BAK")), previous);
  OptsRec expected = options.Record();
  EXPECT_EQ(ReadAll(DataFile("JUP_OPTS.INI")), AsText(EncodeOptions(expected)));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OptionsObjectTest, AFailedSaveIsReportedAndLeavesBothFilesAsTheyWere) {
  JOVI_SKIP_WITHOUT_FILE_SIZE_LIMIT();
  const std::string previous = OptionsFileBytes("2.114", "previous.bmp");
  const std::string backup = OptionsFileBytes("2.114", "backup.bmp");
  dir.Write("data/JUP_OPTS.INI", previous);
  dir.Write("data/JUP_OPTS.BAK", backup);
  options.Record().LogoBmp = "new.bmp";
  bool saved = true;
  {
    test::FileSizeLimit limit(1000);
    saved = options.SaveOptions(env.working_folder);
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadAll(DataFile("JUP_OPTS.INI")), previous);
  EXPECT_EQ(ReadAll(DataFile("JUP_OPTS.BAK")), backup);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Unable to save Options!\r\n\r\nFileName: " +
                                           DataFile("JUP_OPTS.BAK") + "\r\nFile too large");
  EXPECT_EQ(prompter.messages[0].caption, "Options File Error!");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path() / "data"),
                          std::filesystem::directory_iterator()),
            2);
}

TEST_F(OptionsObjectTest, EditModeAsksFirstAndDecliningWritesNothing) {
  options.Record().EditMode = true;
  prompter.answers = {Answer::No, Answer::Yes};
  EXPECT_FALSE(options.SaveOptions(env.working_folder));
  EXPECT_FALSE(std::filesystem::exists(DataFile("JUP_OPTS.INI")));
  EXPECT_TRUE(options.SaveOptions(env.working_folder));
  EXPECT_EQ(ReadAll(DataFile("JUP_OPTS.INI")).size(), kOptionsFileSize);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text,
            "Edit Mode is Set!\r\n\r\nStudents using this software in Edit Mode will be able to "
            "access/change data values and program options.\r\n\r\nAre you sure you want to "
            "save these option settings?");
  EXPECT_EQ(prompter.messages[0].caption, "Are You Sure?");
  EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
}

TEST_F(OptionsObjectTest, StartUpWithoutAnyFileTakesTheDefaults) {
  env.optical_root = "/media/cdrom/";
  ASSERT_TRUE(Init());
  const OptsRec& r = options.Record();
  EXPECT_EQ(r.ProgVersion, "2.114");
  EXPECT_EQ(r.OptsFileName, "JUP_OPTS.INI");
  EXPECT_EQ(r.BackupFileName, "JUP_OPTS.BAK");
  EXPECT_EQ(r.ProgramDir, env.program_folder);
  EXPECT_EQ(r.DataDir, env.working_folder);
  EXPECT_EQ(r.CdromRoot, "/media/cdrom/");
  EXPECT_EQ(r.LogoBmp, "ZEVALOGO.bmp");
  EXPECT_EQ(r.HomeURL, "https://zeva-astronomy.example/");
  EXPECT_EQ(r.PasswordLen, 4);
  EXPECT_EQ(UnscramblePassword(r.PasswordWords, r.PasswordLen), "TARN");
  EXPECT_TRUE(r.LoginRequired);
  EXPECT_EQ(r.ObsStepHrs, 24.0_r);
  EXPECT_FALSE(r.Administrator);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(env.users_asked.empty());  // the working folder was writable
}

TEST_F(OptionsObjectTest, StartUpPrefersTheDataFolderThenTheProgramFolder) {
  dir.Write("program/JUP_OPTS.INI", OptionsFileBytes("2.114", "program.bmp"));
  ASSERT_TRUE(Init());
  EXPECT_EQ(options.Record().LogoBmp, "program.bmp");

  dir.Write("data/JUP_OPTS.INI", OptionsFileBytes("2.114", "data.bmp"));
  ASSERT_TRUE(Init());
  EXPECT_EQ(options.Record().LogoBmp, "data.bmp");
}

TEST_F(OptionsObjectTest, WithOneFolderForBothAnInvalidFileIsTriedOnce) {
  env.program_folder = env.working_folder;
  dir.Write("data/JUP_OPTS.INI", OptionsFileBytes("2.114").substr(0, 2382));
  options.Record().Administrator = true;
  ASSERT_TRUE(Init());
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(options.Record().LogoBmp, "ZEVALOGO.bmp");
  EXPECT_FALSE(options.Record().Administrator);
}

TEST_F(OptionsObjectTest, AWriteProtectedWorkingFolderLeadsToThePerUserFolder) {
  dir.Write("not-a-folder", "x");
  env.working_folder = dir.File("not-a-folder") + "/";  // nothing can be created in it
  env.user_name = "";
  ASSERT_TRUE(Init());
  EXPECT_EQ(env.users_asked, std::vector<std::string>{"ZEVA User"});
  EXPECT_EQ(options.Record().DataDir, env.per_user_folder);
  EXPECT_EQ(env.working_folder, env.per_user_folder);
  EXPECT_TRUE(std::filesystem::is_directory(env.per_user_folder));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OptionsObjectTest, WithoutAPerUserFolderTheUserChoosesOneOrTheProgramEnds) {
  dir.Write("not-a-folder", "x");
  const std::string protected_folder = dir.File("not-a-folder") + "/";
  env.per_user_folder = dir.File("not-a-folder/ZEVA/SatLab") + "/";
  const std::string expected_text =
      "Path \"" + protected_folder +
      "\" is write-protected!\r\n\r\nYou must provide a path to write-enabled storage.  If you "
      "are using removable storage,\r\nsuch as a USB device, please mount it before "
      "continuing, then select it in the dialog that follows.";

  const struct {
    const char* name;
    Answer answer;
    std::optional<std::string> chosen;
    bool started;
    int chooser_calls;
  } cases[] = {
      {"cancel", Answer::Cancel, std::nullopt, false, 0},
      {"chooser dismissed", Answer::Ok, std::nullopt, false, 1},
      {"folder chosen", Answer::Ok, dir.File("data"), true, 1},
  };
  for (const auto& c : cases) {
    env.working_folder = protected_folder;
    env.chooser_starts.clear();
    env.chosen_folder = c.chosen;
    prompter.messages.clear();
    prompter.answers = {c.answer};
    EXPECT_EQ(Init(), c.started) << c.name;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
    EXPECT_EQ(prompter.messages[0].text, expected_text);
    EXPECT_EQ(prompter.messages[0].caption, "Write-Enabled Storage Required");
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
    EXPECT_EQ(static_cast<int>(env.chooser_starts.size()), c.chooser_calls) << c.name;
    if (c.chooser_calls) {
      EXPECT_EQ(env.chooser_starts[0], env.per_user_folder);
    }
    if (c.started) {
      EXPECT_EQ(options.Record().DataDir, dir.File("data") + "/");
      // A folder picked in the chooser does not become the working folder.
      EXPECT_EQ(env.working_folder, protected_folder);
    }
  }
}

TEST(WriteProtection, TheProbeNeverTouchesAFileAlreadyThere) {
  test::TempDir dir;
  const std::string mine = dir.Write("Test.tmp", "a student's own file");
  EXPECT_FALSE(IsWriteProtected(dir.Path().string()));
  EXPECT_EQ(ReadAll(mine), "a student's own file");
  EXPECT_EQ(test::FolderEntries(dir.Path()), std::vector<std::string>{"Test.tmp"});
  EXPECT_TRUE(IsWriteProtected(mine + "/"));
  EXPECT_TRUE(IsWriteProtected(""));
}

}  // namespace
}  // namespace jovi
