// The review window's lines and its edit, delete and undo of table records.
#include <gtest/gtest.h>

#include "measure/review_list.h"
#include "core/measurement_test_support.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

MeasurementRecord Rec(Real jd, float io, bool included = true) {
  MeasurementRecord r;
  r.JulianDay = jd;
  r.Offset[0] = io;
  r.Included[0] = included;
  return r;
}

using test::TableDates;

TEST(ReviewList, HeadingAndColumns) {
  struct Case {
    float value;
    bool included;
    const char* column;
  };
  const Case cases[] = {
      {3.25f, true, "   3.25   "},   {-12.5f, true, " -12.50   "}, {3.25f, false, "   3.25*  "},
      {-3.25f, true, "  -3.25   "},  {12.5f, true, "  12.50   "},  {0.0f, true, "   0.00   "},
      {kNoMeasurement, true, "          "}, {kNoMeasurement, false, "          "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReviewColumn(c.value, c.included), c.column) << c.value;
    EXPECT_EQ(ReviewColumn(c.value, c.included).size(), 10u);
  }
  MeasurementTable table;
  MeasurementRecord r;
  r.JulianDay = 2455198.123456_r;
  r.Offset = {3.25f, -12.5f, 3.25f, 100};
  r.Included = {true, true, false, true};
  table.InsertOrdered(r);
  const std::vector<std::string> lines = ReviewLines(table);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Measurement unit is Jupiter diameters.");
  EXPECT_EQ(lines[1], "East is negative (-).");
  EXPECT_EQ(lines[2], "(\"*\" - Data point removed from sine curve analysis.)");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], " Julian Date      Io      Europa   Ganymede  Callisto ");
  EXPECT_EQ(lines[5], "2455198.12346    3.25    -12.50      3.25*            ");
}

class ReviewTest : public ::testing::Test {
 protected:
  ReviewTest() {
    for (const Real jd : {2455001.5_r, 2455002.5_r, 2455003.5_r}) {
      store.table.InsertOrdered(Rec(jd, static_cast<float>(jd - 2455000)));
    }
  }
  const MeasurementRecord& At(int i) { return *store.table.ItemAt(i); }

  MeasurementStore store;
  test::RecordingPrompter prompter;
  MeasurementReview review{store, prompter};
};

TEST_F(ReviewTest, OnlyRecordLinesCanBeChosen) {
  for (const int line : {-1, 0, 4, 8}) {
    prompter.messages.clear();
    EXPECT_FALSE(review.DeleteSelectedLine(line)) << line;
    EXPECT_FALSE(review.EditSelectedLine(line, [](MeasurementStore&) { return true; }));
    ASSERT_EQ(prompter.messages.size(), 2u) << line;
    EXPECT_EQ(prompter.messages[0].text, "You must select a valid data record!");
    EXPECT_EQ(prompter.messages[0].caption, "Data Not Selected!");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
  }
  EXPECT_EQ(store.table.Count(), 3);
  EXPECT_FALSE(review.UndoEnabled());
}

TEST_F(ReviewTest, DeletingTheLastRecordAndUndoingIt) {
  prompter.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_FALSE(review.DeleteSelectedLine(7));
  EXPECT_EQ(store.table.Count(), 3);
  EXPECT_TRUE(store.DataSaved);
  EXPECT_TRUE(review.DeleteSelectedLine(7));
  EXPECT_EQ(prompter.messages.back().text, "Delete the selected record?");
  EXPECT_EQ(prompter.messages.back().caption, "Verify Deletion");
  EXPECT_EQ(prompter.messages.back().buttons, Buttons::OkCancel);
  EXPECT_EQ(TableDates(store.table), (std::vector<Real>{2455001.5_r, 2455002.5_r}));
  EXPECT_EQ(review.SelectedLine(), 6);  // the new last record
  EXPECT_FALSE(store.DataSaved);
  EXPECT_TRUE(store.TableChanged);
  ASSERT_TRUE(review.UndoEnabled());

  store.DataSaved = true;  // as after a save: an undo does not change it
  store.TableChanged = false;
  prompter.answers = {Answer::Ok};
  EXPECT_TRUE(review.UndoEditDelete());
  EXPECT_EQ(prompter.messages.back().text, "Restore the modified/deleted record?");
  EXPECT_EQ(prompter.messages.back().caption, "Undo Edit/Delete?");
  EXPECT_EQ(TableDates(store.table), (std::vector<Real>{2455001.5_r, 2455002.5_r, 2455003.5_r}));
  EXPECT_EQ(review.SelectedLine(), 7);
  EXPECT_TRUE(store.DataSaved);
  EXPECT_TRUE(store.TableChanged);
  EXPECT_FALSE(review.UndoEnabled());
}

TEST_F(ReviewTest, DeletingTheFirstRecordSelectsItsSuccessorAndUndoPutsItBackFirst) {
  prompter.answers = {Answer::Ok, Answer::Ok};
  ASSERT_TRUE(review.DeleteSelectedLine(5));
  EXPECT_EQ(review.SelectedLine(), 5);
  EXPECT_EQ(At(0).JulianDay, 2455002.5_r);
  ASSERT_TRUE(review.UndoEditDelete());
  EXPECT_EQ(TableDates(store.table), (std::vector<Real>{2455001.5_r, 2455002.5_r, 2455003.5_r}));
}

TEST_F(ReviewTest, EditWritesBackAndUndoRestoresTheOldValues) {
  // A measurement waiting at the telescope survives the edit of a table record.
  store.pending = Rec(2455010.5_r, 7.0f);
  store.NothingPending = false;
  int shown = 0;
  const auto edit = [&](MeasurementStore& s) {
    ++shown;
    EXPECT_EQ(s.pending.JulianDay, 2455002.5_r);
    s.pending.Offset[0] = -4.0f;
    s.pending.Offset[1] = 1.25f;
    s.NothingPending = true;
    return true;
  };
  ASSERT_TRUE(review.EditSelectedLine(6, edit));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(At(1).Offset[0], -4.0f);
  EXPECT_EQ(At(1).Offset[1], 1.25f);
  EXPECT_EQ(At(1).JulianDay, 2455002.5_r);
  EXPECT_EQ(review.SelectedLine(), 6);
  EXPECT_FALSE(store.DataSaved);
  EXPECT_EQ(store.pending.JulianDay, 2455010.5_r);
  EXPECT_FALSE(store.NothingPending);

  prompter.answers = {Answer::Ok};
  ASSERT_TRUE(review.UndoEditDelete());
  EXPECT_EQ(At(1).Offset[0], 2.5f);
  EXPECT_EQ(At(1).Offset[1], kNoMeasurement);
  EXPECT_EQ(store.table.Count(), 3);

  // Cancel in the dialog changes nothing and offers no undo.
  EXPECT_FALSE(review.EditSelectedLine(6, [](MeasurementStore& s) {
    s.pending.Offset[0] = 50;
    return false;
  }));
  EXPECT_EQ(At(1).Offset[0], 2.5f);
  EXPECT_FALSE(review.UndoEnabled());
}

TEST_F(ReviewTest, LeavingAValueOutIsUndoneLikeAnEdit) {
  const int second = kReviewHeadingLines + 1;
  store.DataSaved = true;
  EXPECT_TRUE(review.SetIncluded(second, 1, false));
  EXPECT_FALSE(At(1).Included[0]);
  EXPECT_FALSE(store.DataSaved);
  EXPECT_TRUE(store.TableChanged);
  EXPECT_EQ(review.SelectedLine(), second);
  // No change, a moon that was not measured, a moon out of range and a heading line: nothing.
  EXPECT_FALSE(review.SetIncluded(second, 1, false));
  EXPECT_FALSE(review.SetIncluded(second, 2, false));
  EXPECT_FALSE(review.SetIncluded(second, 0, false));
  EXPECT_FALSE(review.SetIncluded(second, 5, false));
  EXPECT_TRUE(At(1).Included[1]);
  EXPECT_TRUE(review.UndoEnabled());
  ASSERT_TRUE(review.UndoEditDelete());
  EXPECT_TRUE(At(1).Included[0]);
  EXPECT_EQ(TableDates(store.table), (std::vector<Real>{2455001.5_r, 2455002.5_r, 2455003.5_r}));
}

}  // namespace
}  // namespace jovi
