// The results dialog's rules and the commit of the pending record.
#include <gtest/gtest.h>

#include <cmath>

#include "core/measurement_test_support.h"
#include "measure/results_entry.h"
#include "support/civil_dates.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::TableDates;

TEST(MeasurementCommit, OnlyDatedRecordsWithACountedValueEnter) {
  struct Case {
    const char* name;
    Real jd;
    std::array<float, 4> offsets;
    std::array<bool, 4> included;
    bool committed;
  };
  const Case cases[] = {
      {"one value", 2455000.5_r, {1.5f, 100, 100, 100}, {true, true, true, true}, true},
      {"only 0.0", 2455000.5_r, {0.0f, 0.0f, 100, 100}, {true, true, true, true}, false},
      {"only excluded values", 2455000.5_r, {1.5f, -2.0f, 100, 100}, {false, false, true, true},
       false},
      {"an excluded value beside a counted one", 2455000.5_r, {1.5f, -2.0f, 100, 100},
       {false, true, true, true}, true},
      {"no date", 0, {1.5f, 100, 100, 100}, {true, true, true, true}, false},
      {"nothing measured", 2455000.5_r, {100, 100, 100, 100}, {true, true, true, true}, false},
  };
  for (const Case& c : cases) {
    MeasurementStore store;
    store.pending = {c.jd, c.offsets, c.included};
    store.NothingPending = false;
    EXPECT_EQ(CommitPendingMeasurement(store), c.committed) << c.name;
    EXPECT_EQ(store.table.Count(), c.committed ? 1 : 0) << c.name;
    // A refused commit leaves the flags alone: the record still awaits its commit.
    EXPECT_EQ(store.NothingPending, c.committed) << c.name;
    EXPECT_EQ(store.DataSaved, !c.committed) << c.name;
    EXPECT_EQ(store.TableChanged, c.committed) << c.name;
  }
}

TEST(MeasurementCommit, EqualDatesAreKeptSideBySideInDateOrder) {
  MeasurementStore store;
  for (const float io : {1.0f, 2.0f, 3.0f, 4.0f}) {
    store.pending.JulianDay = io == 2.0f ? 2455002.5_r : (io == 4.0f ? 2455000.5_r : 2455001.5_r);
    store.pending.Offset[0] = io;
    ASSERT_TRUE(CommitPendingMeasurement(store));
  }
  EXPECT_EQ(TableDates(store.table),
            (std::vector<Real>{2455000.5_r, 2455001.5_r, 2455001.5_r, 2455002.5_r}));
  std::vector<float> io;
  store.table.ForEach([&](const MeasurementRecord& r) { io.push_back(r.Offset[0]); });
  EXPECT_EQ(io[1] + io[2], 4.0f);  // both records dated 2455001.5 are there
  ClearPendingMeasurement(store);
  EXPECT_EQ(store.pending.JulianDay, 0);
  EXPECT_EQ(store.pending.Offset, (std::array<float, 4>{100, 100, 100, 100}));
  EXPECT_EQ(store.pending.Included, (std::array<bool, 4>{true, true, true, true}));
}

TEST(ResultsEntry, FieldTexts) {
  EXPECT_EQ(ResultsFieldText(3.25f, true), "3.25W");
  EXPECT_EQ(ResultsFieldText(-1.5f, true), "1.50E");
  EXPECT_EQ(ResultsFieldText(0.0f, true), "0.00W");
  EXPECT_EQ(ResultsFieldText(-12.345f, false), "12.35E*");
  EXPECT_EQ(ResultsFieldText(kNoMeasurement, true), "");
  EXPECT_EQ(ResultsFieldText(kNoMeasurement, false), "*");
  const Real jd = test::CivilJD(2010, 1, 1, 12, 0, 0);
  EXPECT_EQ(ResultsJDText(jd), "Julian Day: 2455198.00000");
  EXPECT_EQ(ResultsDateTimeText(jd), "01-01-2010  12Hr 00Min 00Sec");
}

TEST(ResultsEntry, ParsingFields) {
  using K = ResultsField::Kind;
  struct Case {
    const char* text;
    K kind;
    float offset;
    bool included;
  };
  const Case cases[] = {
      {"1.5 e", K::Value, -1.5f, true},
      {" 2.25W", K::Value, 2.25f, true},
      {"2 . 5 w", K::Value, 2.5f, true},
      {"2.0W*", K::Value, 2.0f, false},
      {"*0.5E", K::Value, -0.5f, false},
      {"", K::Empty, kNoMeasurement, true},
      {"*", K::Empty, kNoMeasurement, false},
      {"1.5", K::Invalid, kNoMeasurement, true},
      {"E", K::Invalid, kNoMeasurement, true},
      {"   ", K::Invalid, kNoMeasurement, true},
      {"1.5X", K::Invalid, kNoMeasurement, true},
      {"abcW", K::Invalid, kNoMeasurement, true},
      {"2.0W**", K::Invalid, kNoMeasurement, false},
      {"infW", K::Invalid, kNoMeasurement, true},
      {"1e39E", K::Invalid, kNoMeasurement, true},
  };
  for (const Case& c : cases) {
    const ResultsField f = ParseResultsField(c.text);
    EXPECT_EQ(f.kind, c.kind) << '"' << c.text << '"';
    if (c.kind == K::Value) {
      EXPECT_EQ(f.offset, c.offset) << '"' << c.text << '"';
    }
    EXPECT_EQ(f.included, c.included) << '"' << c.text << '"';
  }
}

TEST(ResultsEntry, OkStopsAtTheFirstBadFieldAndKeepsTheOnesBefore) {
  MeasurementStore store;
  store.pending.JulianDay = 2455000.5_r;
  store.pending.Offset = {9, 9, 9, 9};
  ResultsEntry entry;
  test::RecordingPrompter prompter;
  EXPECT_FALSE(TakeResultsFields(store, entry, {"1.5W", "3.0W*", "1.2", "bad"}, prompter));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Measured value for Ganymede is incorrect!");
  EXPECT_EQ(prompter.messages[0].caption, "Invalid Data!");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
  EXPECT_TRUE(entry.InputError);
  EXPECT_EQ(store.pending.Offset, (std::array<float, 4>{1.5f, 3.0f, 9, 9}));
  EXPECT_EQ(store.pending.Included, (std::array<bool, 4>{true, false, true, true}));
  // Ganymede's "1.2" has no letter and is not stored; Callisto's field was not read.
  EXPECT_FALSE(store.NothingPending);

  EXPECT_TRUE(TakeResultsFields(store, entry, {"1.5W", "", "0.25e*", ""}, prompter));
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_FALSE(entry.InputError);
  EXPECT_EQ(store.pending.Offset, (std::array<float, 4>{1.5f, 100, -0.25f, 100}));
  EXPECT_EQ(store.pending.Included, (std::array<bool, 4>{true, true, false, true}));
}

TEST(ResultsEntry, ANewMeasurementAwaitsItsCommitAnEditedRecordDoesNot) {
  test::RecordingPrompter prompter;
  for (const bool editing : {false, true}) {
    MeasurementStore store;
    ResultsEntry entry{editing, editing, false};
    EXPECT_TRUE(TakeResultsFields(store, entry, {"", "", "", ""}, prompter));
    EXPECT_TRUE(store.NothingPending) << "empty fields confirm nothing";
    entry.Editing = editing;
    EXPECT_TRUE(TakeResultsFields(store, entry, {"1W", "", "", ""}, prompter));
    EXPECT_EQ(store.NothingPending, editing);
    EXPECT_FALSE(entry.Editing);
  }
}

}  // namespace
}  // namespace jovi
