#include "lists/hotlist_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>

#include "lists/hotlist_file.h"
#include "support/file_helpers.h"
#include "support/recording_print_surface.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/date_serial.h"

namespace jovi {
namespace {

double Serial(int y, int m, int d, int h = 0, int min = 0) {
  return SerialFromCivil({y, m, d, h, min, 0, 0});
}

std::string FileOf(const std::vector<HotlistEntry>& entries) {
  std::string bytes;
  for (const HotlistEntry& e : entries) {
    const auto record = EncodeHotlistEntry(e);
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  return bytes;
}

std::vector<HotlistEntry> EntriesOf(const HotlistModel& model) {
  std::vector<HotlistEntry> out;
  model.Entries().ForEach([&out](const HotlistEntry& e) { out.push_back(e); });
  return out;
}

TEST(HotlistEntry, RecordLayout) {
  const HotlistEntry entry{Serial(2012, 3, 7, 14, 30), "Opposition"};
  const auto record = EncodeHotlistEntry(entry);
  EXPECT_EQ(record.size(), 64u);
  double serial = 0;
  std::memcpy(&serial, record.data(), 8);  // little-endian host
  EXPECT_EQ(serial, entry.Serial);
  EXPECT_EQ(record[8], 10);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record[9]), 10), "Opposition");
  for (std::size_t i = 19; i < 64; ++i) EXPECT_EQ(record[i], 0) << i;
  const HotlistEntry back = DecodeHotlistEntry(record);
  EXPECT_EQ(back.Serial, entry.Serial);
  EXPECT_EQ(back.Comment, entry.Comment);

  // Comments are cut at 50; a length byte beyond 50 reads only the 50 characters there are.
  const auto cut = EncodeHotlistEntry({0.5, std::string(60, 'c')});
  EXPECT_EQ(cut[8], 50);
  auto bad = cut;
  bad[8] = 200;
  EXPECT_EQ(DecodeHotlistEntry(bad).Comment, std::string(50, 'c'));

  EXPECT_EQ(HotlistLineText(entry, false), "2012/03/07 14:30:00");
  EXPECT_EQ(HotlistLineText(entry, true), "2012/03/07 14:30:00  Opposition");
}

class HotlistTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<HotlistEntry>& entries) {
    return dir.Write(name, FileOf(entries));
  }
  test::TempDir dir;
  test::RecordingPrompter prompter;
  HotlistModel model{prompter};
};

TEST_F(HotlistTest, FileRoundTripSortsAndKeepsEqualSerials) {
  const std::vector<HotlistEntry> unordered = {{Serial(2024, 12, 7), "b"},
                                               {Serial(2023, 11, 3, 5), "a"},
                                               {Serial(2024, 12, 7), "c"},
                                               {Serial(2026, 1, 10, 12, 15), "d"}};
  model.Load(Write("In.htl", unordered));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(model.Saved());
  model.Refill(true);
  EXPECT_EQ(model.Lines(),
            (std::vector<std::string>{"2023/11/03 05:00:00  a", "2024/12/07 00:00:00  b",
                                      "2024/12/07 00:00:00  c", "2026/01/10 12:15:00  d"}));
  const std::string out = dir.File("Out.htl");
  ASSERT_TRUE(model.SaveTo(out));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Hotlist saved in " + out);
  EXPECT_EQ(prompter.messages[0].caption, "Hotlist File Saved");
  const std::string bytes = test::ReadAll(out);
  ASSERT_EQ(bytes.size(), 4 * 64u);
  HotlistModel again(prompter);
  again.Load(out);
  const auto reread = EntriesOf(again);
  ASSERT_EQ(reread.size(), 4u);
  EXPECT_EQ(reread[0].Comment, "a");
  EXPECT_EQ(reread[3].Serial, unordered[3].Serial);
  EXPECT_EQ(again.HotlistPath(), out);
}

TEST_F(HotlistTest, APartialRecordEndsLoadingAfterTheWholeOnes) {
  std::string bytes = FileOf({{Serial(2020, 1, 1), "whole"}});
  bytes += std::string(36, '\x01');
  const std::string path = dir.Write("Short.htl", bytes);
  ASSERT_EQ(bytes.size(), 100u);
  model.Load(path);
  ASSERT_EQ(model.Entries().Count(), 1);
  EXPECT_EQ(EntriesOf(model)[0].Comment, "whole");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_NE(prompter.messages[0].text.find("incomplete"), std::string::npos);
  EXPECT_EQ(prompter.messages[0].caption, "Jovitrack");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
}

TEST_F(HotlistTest, RecordsWithoutAUsableDateAreLeftOut) {
  model.Load(Write("Odd.htl", {{std::numeric_limits<double>::quiet_NaN(), "nan"},
                               {1e300, "far"},
                               {Serial(2020, 1, 1), "kept"}}));
  ASSERT_EQ(model.Entries().Count(), 1);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_NE(prompter.messages[0].text.find("2 record(s)"), std::string::npos);
}

TEST_F(HotlistTest, OpeningPrefersTheStudentsFileAndAlwaysSavesThere) {
  std::filesystem::create_directories(dir.Path() / "user");
  std::filesystem::create_directories(dir.Path() / "prog");
  const std::string user = dir.File("user") + "/";
  const std::string prog = dir.File("prog") + "/";
  Write("prog/HotDates.htl", {{Serial(2000, 1, 1), "shipped"}});
  model.Open(user, prog, "HotDates.htl");
  EXPECT_EQ(EntriesOf(model).at(0).Comment, "shipped");
  EXPECT_EQ(model.HotlistPath(), user + "HotDates.htl");

  Write("user/HotDates.htl", {{Serial(2001, 1, 1), "own"}});
  HotlistModel second(prompter);
  second.Open(user, prog, "HotDates.htl");
  EXPECT_EQ(EntriesOf(second).at(0).Comment, "own");

  HotlistModel none(prompter);
  none.Open(user, prog, "Missing.htl");
  EXPECT_TRUE(none.Entries().IsEmpty());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(HotlistTest, AFailedSaveIsReportedAndKeepsTheListUnsaved) {
  model.Add({Serial(2020, 5, 5), "x"}, false);
  EXPECT_FALSE(model.Saved());
  const std::string path = dir.File("no/such/folder/H.htl");
  EXPECT_FALSE(model.SaveTo(path));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Unable to save Date/Time list to file!\r\n\r\nFile Name: " +
                                           path + "\r\nPath Not Found!");
  EXPECT_EQ(prompter.messages[0].caption, "Hotlist File Error!");
  EXPECT_FALSE(model.Saved());
}

class HotlistEditing : public HotlistTest {
 protected:
  void SetUp() override {
    for (int d = 1; d <= 4; ++d) model.Add({Serial(2020, 1, d), "day " + std::to_string(d)}, true);
    prompter.answers = {Answer::Yes};
  }
};

TEST_F(HotlistEditing, UndoAfterDeletingTheFirstLine) {
  const auto before = model.Lines();
  EXPECT_EQ(model.Delete(0), 0);
  EXPECT_EQ(model.Lines().size(), 3u);
  EXPECT_EQ(prompter.messages.at(0).text, "Delete Highlighted Entry from List?");
  EXPECT_EQ(model.Undo(), 0);
  EXPECT_EQ(model.Lines(), before);
  EXPECT_EQ(EntriesOf(model)[0].Comment, "day 1");
  EXPECT_FALSE(model.UndoEnabled());
  EXPECT_FALSE(model.Undo());
  EXPECT_FALSE(model.Saved());  // undo does not make the list saved
}

TEST_F(HotlistEditing, UndoAfterDeletingALaterLineAndANoAnswer) {
  EXPECT_EQ(model.Delete(2), 1);
  EXPECT_EQ(model.Undo(), 2);
  EXPECT_EQ(EntriesOf(model)[2].Comment, "day 3");
  prompter.answers = {Answer::No};
  EXPECT_FALSE(model.Delete(1));
  EXPECT_EQ(model.Entries().Count(), 4);
  prompter.answers = {Answer::Yes};
  EXPECT_FALSE(model.Delete(-1));  // nothing highlighted
}

TEST_F(HotlistEditing, AnEditedEntryKeepsItsPlaceAndCanBeUndone) {
  const auto entry = model.BeginEdit(1);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Comment, "day 2");
  model.FinishEdit({Serial(2030, 6, 1, 18), "later"}, true);
  EXPECT_EQ(model.Lines()[1], "2030/06/01 18:00:00  later");
  EXPECT_EQ(EntriesOf(model)[1].Comment, "later");
  EXPECT_EQ(model.Undo(), 1);
  EXPECT_EQ(model.Lines()[1], "2020/01/02 00:00:00  day 2");
  EXPECT_EQ(EntriesOf(model)[1].Comment, "day 2");

  // An edit that is cancelled keeps the undo of the delete before it.
  model.Delete(3);
  ASSERT_TRUE(model.BeginEdit(0));
  EXPECT_EQ(model.Undo(), 3);
  EXPECT_EQ(model.Entries().Count(), 4);

  EXPECT_FALSE(model.BeginEdit(-1));
  EXPECT_EQ(prompter.messages.back().text, "Please select an entry, using the left mouse button.");
}

TEST_F(HotlistEditing, ChoosingNeedsAHighlightedLine) {
  EXPECT_FALSE(model.Choose(-1));
  EXPECT_EQ(prompter.messages.back().text,
            "Please select (highlight) an entry on the list, then select \"List\" -> \"Choose "
            "Selection\".\r\n(You can also double-click the selection.)");
  EXPECT_EQ(prompter.messages.back().caption, "No Selection!");
  ASSERT_TRUE(model.Choose(2));
  EXPECT_EQ(model.ChosenEntry()->Comment, "day 3");
  EXPECT_EQ(model.ChosenIndex(), 2);
  model.Refill(true);
  EXPECT_FALSE(model.ChosenEntry());
}

TEST_F(HotlistTest, SearchAcrossTheEndOfALine) {
  for (int d = 1; d <= 8; ++d) {
    model.Add({Serial(2020, 1, d), d == 6 ? "moon rises" : d == 7 ? "late Io" : "plain"}, true);
  }
  // Line 5 ends "moon rises", line 6 begins with the date of January 7.
  SearchRequest request{"RISES 2020/01/07", SearchStart::FromTop, false};
  EXPECT_EQ(model.Search(request, -1), 5);
  EXPECT_EQ(request.SearchText, "rises 2020/01/07");  // lower-cased in place
  request = {"2020/01/07 00:00:00  late", SearchStart::FromTop, false};
  EXPECT_EQ(model.Search(request, -1), 6);
  request = {"late", SearchStart::FromCursor, true};
  EXPECT_EQ(model.Search(request, 6), std::nullopt);
  EXPECT_EQ(prompter.messages.back().text, "\"late\" Not Found.");
  EXPECT_EQ(prompter.messages.back().caption, "String Not Found");
}

TEST_F(HotlistTest, PrintoutWithAndWithoutEditMode) {
  model.Add({Serial(2020, 1, 1, 6), "secret"}, false);
  StudentInfo students;
  students.StudentName = {"Ada", "Bo", "", "Di"};
  test::RecordingPrintSurface surface;
  PrintListPages(surface, model.Printout(false, students, "7", "2026/12/10 01:02:03"), students,
                 PageOrientation::Landscape);
  EXPECT_EQ(surface.job_title, "ZEVA Exercise - \"Jovitrack\"Ada");
  std::vector<std::string> texts;
  for (const auto& p : surface.printed) texts.push_back(p.text);
  EXPECT_EQ(texts,
            (std::vector<std::string>{"2026/12/10 01:02:03     Laboratory Table Number 7", "Ada",
                                      "Bo", "Di", kHotlistCaption, "2020/01/01 06:00:00"}));
  EXPECT_EQ(surface.printed[0].x, 50);
  EXPECT_EQ(surface.printed[4].x, 100);

  test::RecordingPrintSurface editing;
  PrintListPages(editing, model.Printout(true, students, "7", "2026/12/10 01:02:03"), students,
                 PageOrientation::Portrait);
  EXPECT_EQ(editing.job_title, "ZEVA Exercise - \"Jovitrack\"Database Modification");
  ASSERT_EQ(editing.printed.size(), 3u);
  EXPECT_EQ(editing.printed[0].text, "2026/12/10 01:02:03");
  EXPECT_EQ(editing.printed[1].y, 2 * test::RecordingPrintSurface::kLineHeight);
}

TEST_F(HotlistTest, LongListsGoOnToNewPages) {
  for (int d = 0; d < 200; ++d) model.Add({Serial(2020, 1, 1) + d, ""}, false);
  StudentInfo students;
  test::RecordingPrintSurface surface;
  PrintListPages(surface, model.Printout(false, students, "", "c"), students,
                 PageOrientation::Portrait);
  EXPECT_EQ(surface.pages, 1);
  for (const auto& p : surface.printed) EXPECT_LE(p.y + 12, surface.PageHeight());
  EXPECT_EQ(surface.printed.size(), 3u + 200u);
}

}  // namespace
}  // namespace jovi
