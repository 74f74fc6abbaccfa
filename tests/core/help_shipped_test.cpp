// The help lists and texts shipped beside the program: every topic opens and has text, every
// related topic it names exists, and no line needs wrapping.
#include <gtest/gtest.h>

#include "lists/help_browser.h"
#include "platform/program_dir.h"
#include "support/recording_prompter.h"
#include "util/text_file.h"

namespace jovi {
namespace {

int Width(std::string_view s) { return 7 * static_cast<int>(s.size()); }

class ShippedHelp : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedHelp, EveryTopicOpensWithTextAndItsRelatedTopicsExist) {
  test::RecordingPrompter prompter;
  const std::string folder = ProgramDir();
  std::unique_ptr<HelpList> list = LoadHelpList(folder + GetParam(), prompter);
  ASSERT_NE(list, nullptr) << "help list " << GetParam() << " is missing from " << folder;
  HelpState state{list.get(), std::nullopt, folder};
  int topics = 0;
  for (int i = 0; i <= list->Entries.LastIndex(); ++i) {
    const HelpEntry entry = *ItemAt(list.get(), i);
    if (entry.IsSeparator() || entry.IsHeading()) continue;
    ++topics;
    SCOPED_TRACE(GetParam() + std::string(": ") + entry.Title);
    ASSERT_FALSE(entry.FileName.empty());
    state.CurrentHelpEntry = entry;
    HelpBrowser browser;
    prompter.messages.clear();
    ASSERT_TRUE(browser.Activate(state, prompter, Width))
        << (prompter.messages.empty()
                ? ""
                : prompter.messages[0].caption + ": " + prompter.messages[0].text);
    const auto topic = TopicLines(ReadTextLines(browser.TopicPath).lines, browser.TopicTitle);
    ASSERT_TRUE(topic);
    for (const std::string& line : *topic) {
      EXPECT_LE(line.size(), kHelpWrapWidth) << "too wide: " << line;
    }
    if (browser.RelatedIndex < 0) continue;
    const auto& lines = browser.Lines();
    for (std::size_t k = static_cast<std::size_t>(browser.RelatedIndex) + 1; k < lines.size();
         ++k) {
      if (lines[k].find_first_not_of(' ') == std::string::npos) continue;
      EXPECT_GE(FindTopic(list.get(), lines[k], 0, false), 0)
          << "related topic not in the list: \"" << lines[k] << "\"";
    }
  }
  EXPECT_GT(topics, 0);
}

INSTANTIATE_TEST_SUITE_P(Lists, ShippedHelp,
                         ::testing::Values("JupHlp.lst", "RoemerHlp.lst", "JupAnalHlp.lst",
                                           "TopVwHlp.lst"));

}  // namespace
}  // namespace jovi
