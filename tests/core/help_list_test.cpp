#include "lists/help_list.h"

#include <gtest/gtest.h>

#include "support/file_helpers.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

std::vector<std::string> Titles(HelpList& list) {
  std::vector<std::string> titles;
  list.Entries.ForEach([&titles](const HelpEntry& e) { titles.push_back(e.Title); });
  return titles;
}

HelpList Built(const std::vector<std::string>& lines) {
  HelpList list;
  BuildHelpList(list, lines);
  return list;
}

TEST(HelpListFields, EachFieldIsDelimitedByItsOwnFirstCharacter) {
  struct Case {
    const char* name;
    const char* line;
    const char* title;
    const char* file;
  };
  const Case cases[] = {
      {"double quotes", R"("Intro" "intro.txt")", "Intro", "intro.txt"},
      {"slashes and a tab", "/Io \"the moon\"/\t/io.txt/", "Io \"the moon\"", "io.txt"},
      {"mixed delimiters", R"(  "Orbits"   |begin|)", "Orbits", "begin"},
      {"unclosed second field", R"("Index" "index.txt)", "Index", "index.txt"},
      {"lone field", R"("Heading only")", "Heading only", ""},
  };
  for (const Case& c : cases) {
    const auto fields = ParseHelpListLine(c.line);
    ASSERT_TRUE(fields) << c.name;
    EXPECT_EQ(fields->Title, c.title) << c.name;
    EXPECT_EQ(fields->FileName, c.file) << c.name;
  }
  // Only 80 characters of a line are read, so a closing character after them is not seen.
  const std::string digits(80, '7');
  const auto cut = ParseHelpListLine("\"T\" \"" + digits + "\"");
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->FileName, digits.substr(0, 75));
  EXPECT_FALSE(ParseHelpListLine(""));
  EXPECT_FALSE(ParseHelpListLine("   \t "));
}

TEST(HelpList, GroupsGiveHeadingsIndentationAndSeparators) {
  HelpList example = Built({R"("Intro" "intro.txt")", R"("Orbits" "begin")", R"("Io" "io.txt")",
                            R"("x" "end")", R"("Index" "index.txt")"});
  EXPECT_TRUE(example.Valid);
  EXPECT_EQ(Titles(example),
            (std::vector<std::string>{"Intro", "", "-Orbits-", "  Io", "", "Index"}));
  EXPECT_TRUE(ItemAt(&example, 1)->IsSeparator());
  EXPECT_TRUE(ItemAt(&example, 2)->IsHeading());
  EXPECT_EQ(ItemAt(&example, 3)->FileName, "io.txt");

  // "END" closes like "end"; nested groups indent twice; an end right after a separator adds
  // no second one, and an end with nothing open leaves the indentation empty.
  HelpList nested = Built({R"("Moons" "BEGIN")", R"("Inner" "Begin")", R"("Io" "io.txt")",
                           R"("" "END")", R"("" "end")", R"("" "end")", R"("Last" "last.txt")"});
  EXPECT_EQ(Titles(nested),
            (std::vector<std::string>{"-Moons-", "", "  -Inner-", "    Io", "", "Last"}));
}

TEST(HelpList, TitlesAreCutAt65Characters) {
  const std::string long_title(70, 'T');
  HelpList list = Built({"\"" + long_title + "\" \"begin\"", "\"" + long_title + "\" \"t.txt\""});
  EXPECT_EQ(ItemAt(&list, 0)->Title, "-" + std::string(64, 'T'));
  EXPECT_EQ(ItemAt(&list, 1)->Title, "  " + std::string(63, 'T'));
}

// Found by the help list's fuzz target: 34 nested groups indent a heading by all the 65
// characters a title keeps, leaving nothing but blanks of it, and picking it threw out of the
// topic dialog.
TEST(HelpList, AHeadingNestedTooDeepForItsTitleCanBePicked) {
  std::vector<std::string> lines(34, R"("Group" "begin")");
  HelpList list = Built(lines);
  const HelpEntry* deepest = ItemAt(&list, list.Entries.LastIndex());
  ASSERT_TRUE(deepest && deepest->IsHeading());
  EXPECT_EQ(deepest->Title, std::string(65, ' '));
  test::RecordingPrompter messages;
  EXPECT_EQ(PickTopic(list, list.Entries.LastIndex(), messages), TopicPick::Stay);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Select a Topic Under \"\"");
  EXPECT_EQ(PickTopic(list, 0, messages), TopicPick::Stay);
  EXPECT_EQ(messages.messages[1].text, "Select a Topic Under \"-Group-\"");
}

TEST(HelpList, AnUnreadableListIsReportedTwiceAndNotKept) {
  test::TempDir dir;
  test::RecordingPrompter prompter;
  const std::string path = dir.File("NoSuch.lst");
  EXPECT_EQ(LoadHelpList(path, prompter), nullptr);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text,
            "Help List File " + path +
                " is Invalid.\r\nProgram will continue with defaults or alternative file."
                "\r\n\r\nFile Not Found!");
  EXPECT_EQ(prompter.messages[0].caption, "Help File Error");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
  EXPECT_EQ(prompter.messages[1].text,
            "Cannot Access Help List.\r\nFile Name: " + path + "\r\n\r\nFile Not Found!");
  EXPECT_EQ(prompter.messages[1].caption, "File Error");
  EXPECT_EQ(prompter.messages[1].icon, Icon::Exclamation);

  EXPECT_EQ(ItemAt(nullptr, 0), nullptr);
  HelpList not_read;
  not_read.Entries.InsertFront({"Io", "io.txt"});
  EXPECT_EQ(ItemAt(&not_read, 0), nullptr);  // entries of a list not read to its end
}

TEST(HelpList, FindTopicComparesTrimmedTitles) {
  HelpList list = Built({R"("Intro" "intro.txt")", R"("Orbits" "begin")", R"("Io" "io.txt")",
                         R"("x" "end")", R"("io" "other.txt")"});
  struct Case {
    const char* text;
    int start;
    bool case_dependent;
    int found;
  };
  const Case cases[] = {
      {"  IO  ", 0, false, 3},  // the indented topic, blanks and case ignored
      {"io", 4, false, 5},      // from a later start
      {"io", 0, true, 5},       // with letter case
      {"-orbits-", 0, false, 2}, {"Orbits", 0, false, -1},  // a heading's title holds its hyphens
      {"Io", 6, false, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindTopic(&list, c.text, c.start, c.case_dependent), c.found) << c.text;
  }
  EXPECT_EQ(FindTopic(nullptr, "Io", 0, false), -1);
}

TEST(HelpList, ReadsAFile) {
  test::RecordingPrompter prompter;
  auto list = LoadHelpList(std::string(JOVI_TEST_FIXTURES) + "/help/TestHlp.lst", prompter);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(Titles(*list),
            (std::vector<std::string>{"Introduction", "", "-Orbits-", "  Io", "  Europa", "",
                                      "Short Topic", "Missing Topic"}));
  EXPECT_EQ(list->SelectedIndex, 0);
}

}  // namespace
}  // namespace jovi
