// The instructor's settings in the browser: the options found as the program finds them, the
// password by the desktop's rules, the dialog's OK over the browser's controls, and the file
// it writes read back by the desktop's reader with the same settings shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/instructor_settings.h"
#include "config/options_file.h"
#include "config/password.h"
#include "support/fake_storage_environment.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

class InstructorSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.per_user_system = false;
    environment.program_folder = program.Path().string() + "/";
    environment.working_folder = data.Path().string() + "/";
  }

  // A teacher's options file in the program folder: password "Lab7", 12-hour steps.
  void ShipTeacherFile() {
    OptsRec rec;
    SetDefaultOptions(rec);
    ScramblePassword("Lab7", rec.PasswordWords, rec.PasswordLen);
    rec.ObsStepHrs = 12;
    const std::vector<std::uint8_t> bytes = EncodeOptions(rec);
    program.Write(kOptionsFileName, std::string(bytes.begin(), bytes.end()));
  }

  test::TempDir program, data;
  test::FakeStorageEnvironment environment;
  test::RecordingPrompter prompter;
};

TEST_F(InstructorSettingsTest, PasswordIsTheLoadedFilesWithThreeAttempts) {
  ShipTeacherFile();
  InstructorSettings settings(environment, prompter);
  EXPECT_TRUE(settings.Shown().texts.empty());
  EXPECT_EQ(settings.Unlock("TARN"), Answer::No);  // the shipped default is not this file's
  EXPECT_EQ(settings.Unlock("lab7"), Answer::No);  // letter case counts
  EXPECT_EQ(settings.Unlock("Lab7"), Answer::Ok);
  EXPECT_TRUE(settings.Unlocked());
  EXPECT_EQ(settings.Shown().texts.at("ObsIntEd"), "12.0000");

  InstructorSettings again(environment, prompter);
  for (const char* wrong : {"a", "b"}) EXPECT_EQ(again.Unlock(wrong), Answer::No);
  EXPECT_EQ(again.Unlock("c"), Answer::Cancel);
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back().text, "Too Many Invalid Passwords!");
  const std::size_t told = prompter.messages.size();
  // Denied for this visit: even the right password is refused, without another message.
  EXPECT_EQ(again.Unlock("Lab7"), Answer::Cancel);
  EXPECT_EQ(prompter.messages.size(), told);
  EXPECT_EQ(again.Apply({}, ""), InstructorSettings::Outcome::Locked);
}

TEST_F(InstructorSettingsTest, WrittenFileShowsTheSameSettingsInTheDesktopsReader) {
  InstructorSettings settings(environment, prompter);  // no file: the defaults, "TARN"
  ASSERT_EQ(settings.Unlock("TARN"), Answer::Ok);
  OptionsFormEntries typed;
  typed.texts = {{"ObsIntEd", "6"}, {"AnmStepEd", "0.25"}, {"NCloudyEd", "40"},
                 {"NDrtnEd", "3.5"}, {"TblNumEd", "B12"}, {"RSEd", "42.5"}};
  typed.checks = {{"NCloudsBox", false}, {"RCloudsBox", true}, {"TopViewBox", false}};
  ASSERT_EQ(settings.Apply(typed, ""), InstructorSettings::Outcome::Stored);

  const std::vector<std::uint8_t> bytes = settings.FileBytes();
  ASSERT_EQ(bytes.size(), kOptionsFileSize);
  const std::string path = data.Write("written.INI", std::string(bytes.begin(), bytes.end()));
  test::RecordingPrompter desktop_prompter;
  OptsObj desktop(desktop_prompter);
  desktop.SetDefaults();
  desktop.Record().ProgVersion = kProgramVersion;  // as the program's start-up gives it
  ASSERT_TRUE(desktop.LoadOptions(path));
  const OptionsFormEntries shown = OptionsFormEntriesOf(desktop.Record());
  EXPECT_EQ(shown.texts.at("ObsIntEd"), "6.0000");
  EXPECT_EQ(shown.texts.at("AnmStepEd"), "0.2500");
  EXPECT_EQ(shown.texts.at("NCloudyEd"), "40");
  EXPECT_EQ(shown.texts.at("NDrtnEd"), "3.50");
  EXPECT_EQ(shown.texts.at("TblNumEd"), "B12");
  EXPECT_EQ(shown.texts.at("RSEd"), "42.5");
  EXPECT_FALSE(shown.checks.at("NCloudsBox"));
  EXPECT_TRUE(shown.checks.at("RCloudsBox"));
  EXPECT_FALSE(shown.checks.at("TopViewBox"));
  // Everything the page does not offer is as it was, and the whole dialog shows alike.
  EXPECT_EQ(shown.texts, settings.Shown().texts);
  EXPECT_EQ(shown.checks, settings.Shown().checks);
  EXPECT_EQ(desktop.Record().HotlistFile, "HotDates.htl");
  EXPECT_TRUE(desktop_prompter.messages.empty());
}

TEST_F(InstructorSettingsTest, BadNumberTakesNothingAndPasswordNeedsTypingTwice) {
  InstructorSettings settings(environment, prompter);
  ASSERT_EQ(settings.Unlock("TARN"), Answer::Ok);
  const OptsRec before = settings.Record();
  OptionsFormEntries typed;
  // The cloudy percentage comes before the bad step in the dialog's order and is not kept.
  typed.texts = {{"NCloudyEd", "40"}, {"ObsIntEd", "twelve"}};
  EXPECT_EQ(settings.Apply(typed, ""), InstructorSettings::Outcome::BadNumber);
  EXPECT_EQ(settings.Record().NewtonCloudyPct, before.NewtonCloudyPct);
  EXPECT_EQ(settings.FileBytes(), EncodeOptions(before));

  typed.texts = {{"NCloudyEd", "40"}, {kPasswordControl, "Nova"}};
  EXPECT_EQ(settings.Apply(typed, "nova"), InstructorSettings::Outcome::PasswordNotConfirmed);
  EXPECT_EQ(settings.Record().NewtonCloudyPct, 40);
  EXPECT_EQ(UnscramblePassword(settings.Record().PasswordWords, settings.Record().PasswordLen),
            "TARN");
  EXPECT_EQ(settings.Apply(typed, "Nova"), InstructorSettings::Outcome::PasswordChanged);
  // Saved beside the page, the new file asks for the new password.
  const std::vector<std::uint8_t> bytes = settings.FileBytes();
  data.Write(kOptionsFileName, std::string(bytes.begin(), bytes.end()));
  InstructorSettings next(environment, prompter);
  EXPECT_EQ(next.Unlock("TARN"), Answer::No);
  EXPECT_EQ(next.Unlock("Nova"), Answer::Ok);
}

TEST(BrowserOptionControls, AreControlsOfTheOptionsDialog) {
  const OptionsFormEntries all = OptionsFormEntriesOf(OptsRec{});
  for (const char* control : BrowserOptionControls()) {
    EXPECT_TRUE(all.texts.contains(control) || all.checks.contains(control)) << control;
  }
}

}  // namespace
}  // namespace jovi
