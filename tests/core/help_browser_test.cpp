#include "lists/help_browser.h"

#include <gtest/gtest.h>

#include "lists/help_printout.h"
#include "support/recording_print_surface.h"
#include "support/recording_prompter.h"

namespace jovi {
namespace {

int Width(std::string_view s) { return 7 * static_cast<int>(s.size()); }

class HelpBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list = LoadHelpList(folder + "TestHlp.lst", prompter);
    ASSERT_NE(list, nullptr);
    state.CurrentHelpList = list.get();
    state.HelpFolder = folder;
  }

  // Chooses topic i in the topic dialog and shows the window.
  bool ShowTopic(int i) {
    list->SelectedIndex = static_cast<std::int16_t>(i);
    browser.TopicChosen(state);
    return ShowAgain();
  }
  bool ShowAgain() {
    browser.Shown(state);
    return browser.Activate(state, prompter, Width);
  }

  const std::string folder = std::string(JOVI_TEST_FIXTURES) + "/help/";
  test::RecordingPrompter prompter;
  std::unique_ptr<HelpList> list;
  HelpState state;
  HelpBrowser browser;
};

TEST_F(HelpBrowserTest, ShowsATopicOfAMultiTopicFile) {
  ASSERT_TRUE(ShowTopic(3));
  EXPECT_EQ(browser.Caption(), "Help - Io");
  EXPECT_EQ(browser.TopicPath, folder + "moons.txt");
  EXPECT_TRUE(browser.Loaded);
  ASSERT_GE(browser.Lines().size(), 3u);
  EXPECT_EQ(browser.Lines()[1].substr(0, 10), "  Io is th");
  EXPECT_EQ(browser.Lines()[browser.RelatedIndex], "  Related Topics:  ");
  EXPECT_EQ(browser.Lines().back(), " ");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(HelpBrowserTest, FailuresAreToldOnceAndShowNothing) {
  struct Case {
    const char* name;
    HelpEntry entry;
    std::string text;
    std::string caption;
    Icon icon;
    bool loaded;
  };
  const Case cases[] = {
      {"missing help file",
       {"  Gone", "gone.txt"},
       "Cannot Access Help File " + folder + "gone.txt\r\n\r\nFile Not Found!",
       "Help Not Available",
       Icon::Exclamation,
       false},
      {"topic not in its file",
       {"Missing Topic", "moons.txt"},
       "Help Topic: Missing Topic\r\n\r\nHelp on this topic is not available at this time.",
       "Topic Not Found",
       Icon::Information,
       true},
      {"topic of short lines",
       {"Short Topic", "short.txt"},
       "Help Topic: Short Topic\r\n\r\nHelp on this topic is not available at this time.",
       "No Text for Topic",
       Icon::Information,
       true},
  };
  for (const Case& c : cases) {
    prompter.messages.clear();
    state.CurrentHelpEntry = c.entry;
    EXPECT_FALSE(browser.Activate(state, prompter, Width)) << c.name;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
    EXPECT_EQ(prompter.messages[0].text, c.text) << c.name;
    EXPECT_EQ(prompter.messages[0].caption, c.caption) << c.name;
    EXPECT_EQ(prompter.messages[0].icon, c.icon) << c.name;
    EXPECT_EQ(browser.Loaded, c.loaded) << c.name;
    EXPECT_TRUE(browser.Lines().empty()) << c.name;
  }
  prompter.messages.clear();
  state.HelpFolder.clear();
  EXPECT_FALSE(browser.Activate(state, prompter, Width));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "THelpWin Parameters Not Set!");
  EXPECT_FALSE(browser.Loaded);
}

TEST_F(HelpBrowserTest, BackAfterThreeTopicsShowsTheSecondThenTheFirst) {
  ASSERT_TRUE(ShowTopic(0));  // Introduction
  ASSERT_TRUE(ShowTopic(3));  // Io
  EXPECT_TRUE(browser.BackEnabled());
  ASSERT_TRUE(ShowTopic(3));  // the same topic again is not recorded twice
  ASSERT_TRUE(ShowTopic(4));  // Europa
  EXPECT_EQ(browser.History.Count(), 3);

  ASSERT_TRUE(browser.Back(state, false));
  ASSERT_TRUE(ShowAgain());
  EXPECT_EQ(browser.TopicTitle, "Io");
  EXPECT_EQ(list->SelectedIndex, 3);
  EXPECT_TRUE(browser.BackEnabled());

  ASSERT_TRUE(browser.Back(state, false));
  ASSERT_TRUE(ShowAgain());
  EXPECT_EQ(browser.TopicTitle, "Introduction");
  EXPECT_FALSE(browser.BackEnabled());
  EXPECT_FALSE(browser.Back(state, false));
  EXPECT_EQ(browser.History.Count(), 1);

  // Closing the window forgets the history, unless it is only being shown anew.
  browser.ClearHistoryOnClose = false;
  browser.Closed();
  EXPECT_EQ(browser.History.Count(), 1);
  browser.ClearHistoryOnClose = true;
  browser.Closed();
  EXPECT_EQ(browser.History.Count(), 0);
}

TEST_F(HelpBrowserTest, BackReturnsToAPageThatIsNotInTheList) {
  state.CurrentHelpEntry = HelpEntry{"On Help", "intro.txt"};
  ASSERT_TRUE(ShowAgain());
  ASSERT_TRUE(ShowTopic(4));
  ASSERT_TRUE(browser.Back(state, false));
  ASSERT_TRUE(ShowAgain());
  EXPECT_EQ(browser.Caption(), "Help - On Help");
}

TEST_F(HelpBrowserTest, RelatedTopicsAreFollowedFromTheLinesAfterTheirHeading) {
  ASSERT_TRUE(ShowTopic(3));  // Io: "Related Topics:", then Europa and Introduction
  const int related = browser.RelatedIndex;
  EXPECT_FALSE(browser.FollowRelated(state, related, false));      // the heading itself
  EXPECT_FALSE(browser.FollowRelated(state, related - 2, false));  // text above it
  EXPECT_FALSE(browser.FollowRelated(state, related + 3, false));  // the closing blank line
  ASSERT_TRUE(browser.FollowRelated(state, related + 2, false));
  ASSERT_TRUE(ShowAgain());
  EXPECT_EQ(browser.TopicTitle, "Introduction");
  EXPECT_EQ(list->SelectedIndex, 0);
  EXPECT_EQ(browser.History.Count(), 2);

  // Introduction names Io right below its own heading.
  ASSERT_GE(browser.RelatedIndex, 0);
  ASSERT_TRUE(browser.FollowRelated(state, browser.RelatedIndex + 1, false));
  ASSERT_TRUE(ShowAgain());
  EXPECT_EQ(browser.TopicTitle, "Io");
  ASSERT_TRUE(browser.Back(state, false));
  ASSERT_TRUE(ShowAgain());
  EXPECT_EQ(browser.TopicTitle, "Introduction");
}

TEST_F(HelpBrowserTest, PrintoutOfATopic) {
  ASSERT_TRUE(ShowTopic(3));
  StudentInfo students;
  students.StudentName = {"Ada Student", "", "Cy Student", ""};
  test::RecordingPrintSurface surface;
  PrintListPages(
      surface,
      HelpTopicPrintout(browser.Caption(), browser.Lines(), students, "", "2026/12/10 01:02:03"),
      students, PageOrientation::Portrait);
  const int lh = test::RecordingPrintSurface::kLineHeight;
  EXPECT_EQ(surface.job_title, "ZEVA Exercise \"Stellafin\" - Ada Student");
  ASSERT_GE(surface.printed.size(), 6u);
  EXPECT_EQ(surface.printed[0].text,
            "2026/12/10 01:02:03     Laboratory Table Number (Not Recorded)");
  EXPECT_EQ(surface.printed[0].font, "Courier 10 fixed");
  EXPECT_EQ(surface.printed[1].text, "Ada Student");
  EXPECT_EQ(surface.printed[1].y, 2 * lh);
  EXPECT_EQ(surface.printed[2].text, "Cy Student");
  EXPECT_EQ(surface.printed[2].y, 3 * lh);
  EXPECT_EQ(surface.printed[3].text, surface.job_title);
  EXPECT_EQ(surface.printed[3].y, 5 * lh);
  EXPECT_EQ(surface.printed[3].x, 50);
  EXPECT_EQ(surface.printed[4].text, "Help - Io");
  EXPECT_EQ(surface.printed[4].y, 7 * lh);
  EXPECT_EQ(surface.printed[5].text, browser.Lines()[0]);
  EXPECT_EQ(surface.printed[5].y, 9 * lh);
  EXPECT_EQ(surface.printed.size(), 5 + browser.Lines().size());

  students.StudentName[0] = std::string(120, 'n');
  EXPECT_EQ(HelpPrintJobTitle(students).size(), 100u);
}

}  // namespace
}  // namespace jovi
