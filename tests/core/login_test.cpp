#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/login_form.h"
#include "config/login_id.h"
#include "config/user_folder.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

TEST(LoginIdentifier, FirstLetterAndWhatFollowsTheFirstSpaceCutToEight) {
  const struct { const char* name; const char* id; } cases[] = {
      {"John Smith", "JSmith"},
      {"Mary Ann Jones", "MAnn Jon"},
      {"Instructor", "Instruct"},
      {"", ""},
      {"Bo", "Bo"},
      {"A Verylonglastname", "AVerylon"},
      {"Zoë Ångström", "ZÅngströ"},  // characters, not bytes
      {"../../x", "../../x"},
  };
  for (const auto& c : cases) EXPECT_EQ(LoginIdentifier(c.name), c.id) << c.name;
}

TEST(LoginIdentifier, FolderNamesStayInsideAndNeverCollide) {
  const struct { const char* id; const char* folder; } cases[] = {
      {"JSmith", "JSmith"},   {"MAnn Jon", "MAnn Jon"}, {"../../x", "%2E.%2F..%2Fx"},
      {"..", "%2E."},         {".", "%2E"},             {"a/b", "a%2Fb"},
      {"a%2Fb", "a%252Fb"},   {"tab\tx", "tab%09x"},    {"ZÅngströ", "ZÅngströ"},
  };
  for (const auto& c : cases) EXPECT_EQ(SafeFolderName(c.id), c.folder) << c.id;
}

TEST(UserFolder, LiesBelowUsersForEveryIdentifier) {
  EXPECT_EQ(UserFolderFor("/data/", "NOLOG"), "/data/Users/NOLOG/");
  test::TempDir dir;
  const std::string data = dir.Path().string() + "/data/";
  test::RecordingPrompter prompter;
  for (const char* id : {"../../x", "..", "a/../../b", "NOLOG"}) {
    const std::string folder = UserFolderFor(data, id);
    ASSERT_TRUE(EnsureUserFolder(folder, prompter)) << id;
    const auto made = std::filesystem::weakly_canonical(folder);
    EXPECT_EQ(made.parent_path(), std::filesystem::weakly_canonical(data + "Users")) << id;
  }
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x"));
}

TEST(UserFolder, AFolderThatCannotBeMadeEndsTheProgramWithAMessage) {
  test::TempDir dir;
  dir.Write("file", "x");
  test::RecordingPrompter prompter;
  const std::string folder = UserFolderFor(dir.File("file") + "/", "JSmith");
  EXPECT_FALSE(EnsureUserFolder(folder, prompter));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Unable to create directory \"" + folder + "\"\r\n\r\nApplication will terminate!");
  EXPECT_EQ(prompter.messages[0].caption, "Write-Enabled Storage Required");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
}

TEST(LoginForm, StartClearsNamesAndTableButKeepsTheIdentifier) {
  test::RecordingPrompter prompter;
  StudentInfo info{{"a", "b", "c", "d"}, "12", "KEEP"};
  EXPECT_TRUE(StartLoginForm(&info, prompter));
  EXPECT_EQ(info.StudentName, (std::array<std::string, 4>{}));
  EXPECT_EQ(info.TableNumber, "");
  EXPECT_EQ(info.LoginId, "KEEP");
  EXPECT_TRUE(prompter.messages.empty());

  EXPECT_FALSE(StartLoginForm(nullptr, prompter));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Login Record Not Assigned!");
  EXPECT_EQ(prompter.messages[0].caption, "Cannot Record Login!");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
}

TEST(LoginForm, OkConfirmsOrKeepsTheDialogOpen) {
  const std::string forty(40, 'n');
  const struct {
    const char* name;
    std::array<std::string, 4> typed;
    std::string table;
    Answer answer;
    bool closes;
    std::string first_name;
    std::string table_kept;
    std::string id;
    const char* question;
  } cases[] = {
      {"confirmed", {"John Smith", "Mary Ann Jones", "", ""}, "7", Answer::Yes, true,
       "John Smith", "7", "JSmith", "Have You Finished Logging In?"},
      {"not finished", {"John Smith", "", "", ""}, "", Answer::No, false, "John Smith", "",
       "OLD", "Have You Finished Logging In?"},
      {"table cut to four", {"Bo", "", "", ""}, "12345", Answer::Yes, true, "Bo", "1234", "Bo",
       "Have You Finished Logging In?"},
      {"names cut to forty", {forty + "xyz", "", "", ""}, "", Answer::Yes, true, forty,
       "", "nnnnnnnn", "Have You Finished Logging In?"},
      {"empty, OK", {"", "Second", "", ""}, "12345", Answer::Ok, true,
       "*** Student Did Not Log In Properly ***", "1234", "NOLOG", "You Didn't Enter Anything!"},
      {"empty, Cancel", {"", "", "", ""}, "", Answer::Cancel, false, "", "", "OLD",
       "You Didn't Enter Anything!"},
  };
  for (const auto& c : cases) {
    test::RecordingPrompter prompter;
    prompter.answers = {c.answer};
    StudentInfo info;
    info.LoginId = "OLD";
    EXPECT_EQ(ConfirmLoginForm(&info, c.typed, c.table, prompter), c.closes) << c.name;
    EXPECT_EQ(info.StudentName[0], c.first_name) << c.name;
    EXPECT_EQ(info.StudentName[1], c.typed[1]) << c.name;
    EXPECT_EQ(info.TableNumber, c.table_kept) << c.name;
    EXPECT_EQ(info.LoginId, c.id) << c.name;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
    EXPECT_EQ(prompter.messages[0].text, c.question) << c.name;
  }
}

TEST(LoginForm, QuestionsHaveTheirCaptionsAndButtons) {
  test::RecordingPrompter prompter;
  StudentInfo info;
  ConfirmLoginForm(&info, {"", "", "", ""}, "", prompter);
  ConfirmLoginForm(&info, {"Al", "", "", ""}, "", prompter);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].caption, "No Entry!");
  EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(prompter.messages[1].caption, "Login Completed?");
  EXPECT_EQ(prompter.messages[1].buttons, Buttons::YesNo);
  EXPECT_EQ(prompter.messages[1].icon, Icon::Question);
}

}  // namespace
}  // namespace jovi
