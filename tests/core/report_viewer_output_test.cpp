// The report viewer's deciding code: how large it opens, its printout's layout and page breaks,
// and saving its lines as a text file (including a write that fails).
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "report/report_output.h"
#include "report/report_sizing.h"
#include "support/file_helpers.h"
#include "support/recording_print_surface.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

std::vector<LineExtent> Extents(std::size_t count, int width, int height) {
  return std::vector<LineExtent>(count, LineExtent{width, height});
}

TEST(SizeReportWindow, FollowsTheLinesUpToTheLimits) {
  const struct {
    const char* name;
    std::vector<LineExtent> lines;
    int screen_width;
    ReportWindowSize expected;
  } cases[] = {
      {"5 lines open 6.3 lines tall", Extents(5, 300, 16), 1920, {330, 101, 300}},
      {"21 lines: 22.3 lines tall", Extents(21, 300, 16), 1920, {330, 357, 300}},
      {"22 lines: 22.3 lines tall, scrolling", Extents(22, 300, 16), 1920, {330, 357, 300}},
      {"30 lines open 22.3 lines tall", Extents(30, 300, 16), 1920, {330, 357, 300}},
      {"narrow lines: at least 200 wide", Extents(3, 50, 16), 1920, {230, 69, 200}},
      {"wider than the screen: screen less 10", Extents(3, 900, 16), 800, {790, 69, 900}},
      {"empty report: 1.3 x 5, halves to even", {}, 1920, {230, 6, 200}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ReportWindowSize size = SizeReportWindow(c.lines, c.screen_width);
    EXPECT_EQ(size.client_width, c.expected.client_width);
    EXPECT_EQ(size.client_height, c.expected.client_height);
    EXPECT_EQ(size.scroll_range, c.expected.scroll_range);
  }
  const std::vector<LineExtent> mixed = {{120, 14}, {410, 17}, {90, 15}};
  const ReportWindowSize size = SizeReportWindow(mixed, 1920);
  EXPECT_EQ(size.client_width, 440);  // the widest line
  EXPECT_EQ(size.client_height, 73);  // 4.3 x the tallest, 17
}

StudentInfo Students() {
  StudentInfo students;
  students.StudentName[0] = "Ann Lee";
  return students;
}

TEST(PrintReport, CaptionAndLinesBelowTheHeadingWithPageBreaks) {
  test::RecordingPrintSurface surface;
  std::vector<std::string> lines;
  for (int i = 0; i < 200; ++i) lines.push_back("line " + std::to_string(i));
  ASSERT_TRUE(PrintReport(surface, "Planetary Phenomena", lines, Students(), "7",
                          "03-07-2012 14:30:05"));
  EXPECT_EQ(surface.job_title, "ZEVA Exercise \"Jovitrack\" - Ann Lee");
  EXPECT_EQ(surface.documents, 1);

  // Heading: clock at 0, table at 24, name at 48 (line height 12, margin 12 x 7 = 84).
  const auto at = [&](const std::string& text) {
    for (const auto& p : surface.printed) {
      if (p.text == text) return p;
    }
    ADD_FAILURE() << "not printed: " << text;
    return test::PrintedText{};
  };
  EXPECT_EQ(at("Ann Lee").y, 48);
  const auto caption = at("Planetary Phenomena");
  EXPECT_EQ(caption.x, 134);
  EXPECT_EQ(caption.y, 72);
  EXPECT_EQ(at("line 0").y, 96);
  EXPECT_EQ(at("line 0").x, 134);
  // 1380 + 12 still fits the 1400 pixel page; 1392 + 12 does not.
  EXPECT_EQ(at("line 107").y, 1380);
  EXPECT_EQ(at("line 108").y, 12);
  EXPECT_EQ(at("line 199").y, 12 + 91 * 12);
  EXPECT_EQ(surface.pages, 1);  // one new page after the first
}

TEST(PrintReport, NoTableNumberMovesEverythingUp) {
  test::RecordingPrintSurface surface;
  ASSERT_TRUE(PrintReport(surface, "Event Data", {"a"}, Students(), "", "clock"));
  ASSERT_EQ(surface.printed.size(), 4u);  // clock, name, caption, line
  EXPECT_EQ(surface.printed[2].y, 48);
  EXPECT_EQ(surface.printed[3].y, 72);
}

TEST(ReportText, SavesTheLinesWithCrLfAndRemembersTheFolder) {
  test::TempDir dir;
  test::RecordingPrompter prompter;
  ReportOutputState state;
  state.ReportName = "PHENOM";
  const std::string user = dir.Path().string();
  const std::string offered = OfferedTextPath(state, user);
  EXPECT_EQ(offered, (dir.Path() / "PHENOM.TXT").string());
  EXPECT_EQ(state.LastTextFolder, user);

  std::filesystem::create_directory(dir.Path() / "reports");
  const std::string path = (dir.Path() / "reports" / "MINE.TXT").string();
  ASSERT_TRUE(SaveReportText(state, path, {"  first", "", "third °"}, prompter));
  EXPECT_EQ(test::ReadAll(path), "  first\r\n\r\nthird °\r\n");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Report Text Written to MINE.TXT.");
  EXPECT_EQ(prompter.messages[0].caption, "Text File Written");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
  EXPECT_TRUE(state.SavedAsText);
  EXPECT_TRUE(state.Printed);
  EXPECT_EQ(state.LastTextName, "MINE.TXT");
  // The next save offers the folder of this one.
  EXPECT_EQ(OfferedTextPath(state, user), (dir.Path() / "reports" / "PHENOM.TXT").string());

  CancelReportText(state);
  EXPECT_FALSE(state.SavedAsText);
  EXPECT_FALSE(state.Printed);
}

TEST(ReportText, AFailedWriteIsReportedAndChangesNothing) {
  test::TempDir dir;
  test::RecordingPrompter prompter;
  ReportOutputState state;
  state.LastTextName = "OLD.TXT";
  state.LastTextFolder = dir.Path().string();
  EXPECT_FALSE(
      SaveReportText(state, (dir.Path() / "missing" / "R.TXT").string(), {"x"}, prompter));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "No such file or directory.");
  EXPECT_EQ(prompter.messages[0].caption, "Jovitrack");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
  EXPECT_FALSE(state.SavedAsText);
  EXPECT_EQ(state.LastTextName, "OLD.TXT");
  EXPECT_EQ(state.LastTextFolder, dir.Path().string());
}

}  // namespace
}  // namespace jovi
