#include "lists/help_topic.h"

#include <gtest/gtest.h>

namespace jovi {
namespace {

using Lines = std::vector<std::string>;

TEST(HelpTopic, TopicsOfMultiTopicAndSingleTopicFiles) {
  const Lines multi = {"*****",      "*Introduction to the moons*",
                       "intro text", "*****",
                       "*Io*",       "io text",
                       "",           "more io",
                       "*Europa*",   "europa text"};
  struct Case {
    const char* name;
    const Lines* file;
    const char* title;
    std::optional<Lines> topic;
  };
  const Lines single = {"The whole file", "is one topic."};
  const Lines starred_later = {"A line", "*Io*", "text"};
  const Case cases[] = {
      {"marker naming the title exactly wins over one containing it", &multi, "IO",
       Lines{"io text", "", "more io"}},
      {"marker containing the title", &multi, "introduction", Lines{"intro text"}},
      {"last topic runs to the end of the file", &multi, "Europa", Lines{"europa text"}},
      {"topic not in the file", &multi, "Ganymede", std::nullopt},
      {"single topic for any title", &single, "Anything", single},
      {"a star later than the first line does not make several topics", &starred_later, "Io",
       starred_later},
  };
  for (const Case& c : cases) EXPECT_EQ(TopicLines(*c.file, c.title), c.topic) << c.name;
}

TEST(HelpTopic, WordWrapAt72) {
  const std::string a60(60, 'a');
  const std::string b71(71, 'b');
  struct Case {
    const char* name;
    std::string text;
    Lines pieces;
  };
  const Case cases[] = {
      {"short text is one piece", "short", {"short"}},
      {"exactly 72 is one piece", std::string(72, 'x'), {std::string(72, 'x')}},
      {"break at the last blank keeps the blank",
       a60 + " " + std::string(20, 'c'),
       {a60 + " ", std::string(20, 'c')}},
      {"blank exactly at 72 drops the blanks after it", b71 + "   tail", {b71 + " ", "tail"}},
      {"two blanks before 72 both end the piece",
       a60 + "  " + std::string(20, 'c'),
       {a60 + "  ", std::string(20, 'c')}},
      {"no blank in the first 72 cuts at 72",
       std::string(100, 'z'),
       {std::string(72, 'z'), std::string(28, 'z')}},
      {"long text in several pieces", a60 + " " + a60 + " " + a60, {a60 + " ", a60 + " ", a60}},
      {"blanks to the end leave no empty piece", b71 + "      ", {b71 + " "}},
  };
  for (const Case& c : cases) EXPECT_EQ(WrapWords(c.text), c.pieces) << c.name;
}

TEST(HelpTopic, DisplayedLinesArePaddedAndWrapped) {
  const std::string long_line = std::string(70, 'w') + " " + std::string(10, 'v');
  const TopicDisplay shown = DisplayTopic({"First line", "", "Related Topics:", long_line, "Io"});
  EXPECT_EQ(shown.lines, (Lines{" ", "  First line  ", "    ",
                                "  Related Topics:  ", "  " + std::string(70, 'w') + "   ",
                                "  " + std::string(10, 'v') + "  ", "  Io  ", " "}));
  EXPECT_EQ(shown.RelatedIndex, 3);
  EXPECT_EQ(DisplayTopic({"No related line"}).RelatedIndex, -1);
  // A line of exactly 72 characters is not wrapped, one of 73 is.
  EXPECT_EQ(DisplayTopic({std::string(72, 'q')}).lines.size(), 3u);
  EXPECT_EQ(DisplayTopic({std::string(73, 'q')}).lines.size(), 4u);
}

TEST(HelpTopic, ATopicOfShortLinesHasNoText) {
  const auto width = [](std::string_view s) { return 7 * static_cast<int>(s.size()); };
  EXPECT_FALSE(
      TopicHasText(DisplayTopic({"Short lines.", "Twenty-four characters.."}).lines, width));
  EXPECT_TRUE(
      TopicHasText(DisplayTopic({"A line of a little more than thirty characters"}).lines, width));
  EXPECT_FALSE(TopicHasText(DisplayTopic({}).lines, width));
}

}  // namespace
}  // namespace jovi
