// The analysis printouts' page layout: where the window's picture goes and how large.
#include <gtest/gtest.h>

#include "analysis/analysis_printouts.h"
#include "support/recording_print_surface.h"

namespace jovi {
namespace {

TEST(AnalysisPrintouts, PictureKeepsItsShapeAndStaysOnThePage) {
  PrintImage picture;
  picture.width = 658;
  picture.height = 502;
  picture.pixels.assign(658u * 502u, 0xff000080u);
  StudentInfo students;
  students.StudentName = {"Ann", "", "Cy", ""};
  students.TableNumber.assign(1, '7');  // not = "7": GCC 12 warns wrongly of overlap there

  test::RecordingPrintSurface portrait;  // 1000 x 1400, lines 12 high
  ASSERT_TRUE(PrintDisplayPages(portrait, PageOrientation::Portrait, students, "clock", picture));
  EXPECT_EQ(portrait.job_title, "ZEVA Exercise \"Jovitrack\" - Ann");
  EXPECT_EQ(portrait.printed[0].text, "clock     Laboratory Table Number 7");
  EXPECT_EQ(portrait.printed[2].text, "Cy");
  EXPECT_EQ(portrait.printed[2].y, 36);
  ASSERT_EQ(portrait.images.size(), 1u);
  const test::PrintedImage& p = portrait.images[0];
  EXPECT_EQ(p.y, 36 + 72);
  EXPECT_EQ(p.width, 1000);  // the page's width limits it
  EXPECT_EQ(p.height, 1000 * 502 / 658);

  test::RecordingPrintSurface landscape;  // the recording page does not turn: height limits
  ASSERT_TRUE(PrintDisplayPages(landscape, PageOrientation::Landscape, students, "clock", picture));
  EXPECT_EQ(landscape.orientation, PageOrientation::Landscape);
  EXPECT_EQ(landscape.printed[0].x, 50);
  const test::PrintedText& note = landscape.printed[3];
  EXPECT_EQ(note.text, "(Screen Image Printed on Next Page)");
  EXPECT_EQ(note.x, 700);
  EXPECT_EQ(note.y, 36 + 24 + 300);
  EXPECT_EQ(landscape.printed[4].text, "Ann\t - Page 2");
  const test::PrintedImage& l = landscape.images[0];
  EXPECT_EQ(l.page, 1);
  EXPECT_EQ(l.y, 50);
  EXPECT_LE(l.y + l.height, 1400);
  EXPECT_LE(l.x + l.width, 1000);
}

TEST(AnalysisPrintouts, ColumnsOfTheSummaryLine) {
  std::string line(80, ' ');
  PlaceInColumn(line, 8, "Io (I)");
  PlaceInColumn(line, 78, "abc");  // runs past the 80 columns: the line grows
  EXPECT_EQ(line.substr(0, 14), "        Io (I)");
  EXPECT_EQ(line.size(), 81u);
  EXPECT_EQ(line.substr(78), "abc");
}

}  // namespace
}  // namespace jovi
