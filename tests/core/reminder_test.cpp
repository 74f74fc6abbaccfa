#include "lists/reminder.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

const char* const kClosing = "Select \"OK\" to Quit Exercise, \"Cancel\" to Continue.";

TEST(Reminder, ShowsTheFileThenTheClosingQuestion) {
  test::TempDir dir;
  const std::string path = dir.Write("REMINDER.jup", "Did you save?\nGood luck.\n");
  test::RecordingPrompter prompter;
  prompter.answers = {Answer::Cancel};
  EXPECT_EQ(ShowReminder(path, "** Exercise Finished? **", Buttons::OkCancel, Icon::Stop,
                         prompter),
            Answer::Cancel);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            std::string("Did you save?\r\nGood luck.\r\n\r\n") + kClosing);
  EXPECT_EQ(prompter.messages[0].caption, "** Exercise Finished? **");
  EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
}

TEST(Reminder, A2000CharacterFileShowsItsFirst1023CharactersAndNoQuestion) {
  std::vector<std::string> lines;
  std::string file_text;  // what the message would hold without a limit
  for (int i = 0; i < 25; ++i) {
    lines.push_back(std::string(78, static_cast<char>('a' + i)));
    file_text += lines.back() + "\r\n";
  }
  ASSERT_EQ(file_text.size(), 2000u);
  const std::string text = ReminderText(lines);
  EXPECT_EQ(text, file_text.substr(0, 1023));
  EXPECT_EQ(text.find("Select"), std::string::npos);
}

TEST(Reminder, LongLinesAreCutTo255AndTheQuestionIsCutAtTheLimit) {
  const std::string text = ReminderText({std::string(300, 'x'), std::string(255, 'y'),
                                         std::string(255, 'z'), std::string(255, 'w')});
  EXPECT_EQ(text.substr(0, 257), std::string(255, 'x') + "\r\n");
  EXPECT_EQ(text.size(), kReminderLimit);
  // The fourth line fills the message: its end, the line break and the question are dropped.
  EXPECT_EQ(text.back(), 'w');
  EXPECT_EQ(ReminderText({}), std::string("\r\n") + kClosing);
}

TEST(Reminder, AMissingFileIsReportedAndGivesNoAnswer) {
  test::TempDir dir;
  const std::string path = dir.File("REMINDER.jup");
  test::RecordingPrompter prompter;
  EXPECT_EQ(ShowReminder(path, "c", Buttons::OkCancel, Icon::Stop, prompter), std::nullopt);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Cannot Access Reminder File!\r\nFile Name: " + path + "\r\n\r\nFile Not Found!");
  EXPECT_EQ(prompter.messages[0].caption, "File Error!");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
}

}  // namespace
}  // namespace jovi
