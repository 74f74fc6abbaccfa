// Reading the cross-hair, naming the moon under it, and Record's pending-record rules.
#include <gtest/gtest.h>

#include "session/cursor_reading.h"
#include "session/pending_record.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

MoonPixelSet MoonsAt(int x, int y) {
  MoonPixelSet p{};
  for (auto& m : p) m = {x, y, 0, 0};
  return p;
}

TEST(CursorReadingTest, OffsetAndItsText) {
  struct Case {
    const char* name;
    int x, magnification;
    float offset;
    const char* text;
  };
  const Case cases[] = {
      {"20 px right at 100X", 335, 1, 1.0f, "X = 1.00W (Jup. Diam.)    "},
      {"10 px left at 100X", 305, 1, -0.5f, "X = 0.50E (Jup. Diam.)    "},
      {"on the centre", 315, 1, 0.0f, "X = 0.00W (Jup. Diam.)    "},
      {"80 px right at 400X", 395, 4, 1.0f, "X = 1.00W (Jup. Diam.)    "},
      {"1 px left at 400X", 314, 4, -0.0125f, "X = 0.01E (Jup. Diam.)    "},
  };
  for (const Case& c : cases) {
    const CursorResult r =
        TrackCursor(c.x, 40, 2455000.25_r, GeometryFor(c.magnification, 315, 163), MoonsAt(-50, -50),
                    {true, true});
    EXPECT_FLOAT_EQ(r.reading.Offset, c.offset) << c.name;
    EXPECT_EQ(r.texts.Reading, c.text) << c.name;
    EXPECT_EQ(r.reading.JulianDay, 2455000.25_r);
  }
  const CursorResult quiet =
      TrackCursor(-7, 400, 1, GeometryFor(1, 315, 163), MoonsAt(-7, 400), {false, false});
  EXPECT_EQ(quiet.texts.Cursor, "X: -7, Y: 400");
  EXPECT_EQ(quiet.texts.Id, "");
  EXPECT_EQ(quiet.texts.Reading, "");
  EXPECT_EQ(quiet.reading.MoonID, 0);  // identification off names no moon
}

TEST(CursorReadingTest, TheIdentificationWindowIsAsymmetric) {
  struct Case {
    const char* name;
    int dx, dy, moon;
  };
  const Case cases[] = {
      {"on the pixel", 0, 0, 1},     {"1 px right", 1, 0, 1},  {"2 px right", 2, 0, 0},
      {"3 px left", -3, 0, 1},       {"4 px left", -4, 0, 0},  {"1 px below", 0, 1, 1},
      {"2 px below", 0, 2, 0},       {"3 px above", 0, -3, 1}, {"4 px above", 0, -4, 0},
  };
  MoonPixelSet pixels = MoonsAt(-100, -100);
  pixels[0] = {200, 100, 0, 0};
  for (const Case& c : cases) {
    EXPECT_EQ(IdentifyMoon(200 + c.dx, 100 + c.dy, pixels), c.moon) << c.name;
  }
  // Two moons within reach: the lower number wins.
  pixels[1] = {201, 100, 0, 0};
  pixels[0] = {-100, -100, 0, 0};
  pixels[3] = {200, 100, 0, 0};
  EXPECT_EQ(IdentifyMoon(200, 100, pixels), 2);
  const CursorResult r =
      TrackCursor(200, 100, 1, GeometryFor(1, 315, 163), pixels, {true, true});
  EXPECT_EQ(r.texts.Id, "II. Europa");
  EXPECT_EQ(MoonIdText(3), "III. Ganymede");
  EXPECT_EQ(MoonIdText(5), "");
}

CurrentReading At(Real jd, int moon, float offset) {
  return {jd, static_cast<std::uint8_t>(moon), offset};
}

TEST(PendingRecordTest, RecordsAtOneTimeShareARecordAndTheNextTimeCommitsIt) {
  MeasurementStore store;
  test::RecordingPrompter prompter;
  const RecordOptions automatic{true, true};
  ASSERT_TRUE(RecordReading(store, At(2455000.5_r, 1, 1.25f), automatic, prompter));
  ASSERT_TRUE(RecordReading(store, At(2455000.5_r, 3, -4.5f), automatic, prompter));
  EXPECT_EQ(store.pending.JulianDay, 2455000.5_r);
  EXPECT_FLOAT_EQ(store.pending.Offset[0], 1.25f);
  EXPECT_FLOAT_EQ(store.pending.Offset[2], -4.5f);
  EXPECT_EQ(store.pending.Offset[1], kNoMeasurement);
  EXPECT_TRUE(store.table.IsEmpty());
  // The results dialog confirmed the values; the first Record at a new time commits them.
  store.NothingPending = false;
  ASSERT_TRUE(RecordReading(store, At(2455001.5_r, 2, 0.5f), automatic, prompter));
  ASSERT_EQ(store.table.Count(), 1);
  store.table.Reset();
  const MeasurementRecord* committed = store.table.Next();
  ASSERT_NE(committed, nullptr);
  EXPECT_EQ(committed->JulianDay, 2455000.5_r);
  EXPECT_FLOAT_EQ(committed->Offset[2], -4.5f);
  EXPECT_TRUE(store.NothingPending);
  EXPECT_TRUE(store.TableChanged);
  EXPECT_EQ(store.pending.JulianDay, 2455001.5_r);
  EXPECT_EQ(store.pending.Offset[0], kNoMeasurement);
  EXPECT_FLOAT_EQ(store.pending.Offset[1], 0.5f);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(PendingRecordTest, NoMoonUnderTheCursorAndManualRecording) {
  MeasurementStore store;
  test::RecordingPrompter prompter;
  EXPECT_FALSE(RecordReading(store, At(2455000.5_r, 0, 1.0f), {true, true}, prompter));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Cursor is not accurately centered on moon!");
  EXPECT_EQ(prompter.messages[0].caption, "Try Again!");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  // Without AutoRecord, or without IdentifyMoon, nothing is written and the dialog is shown.
  for (const RecordOptions options : {RecordOptions{false, true}, RecordOptions{true, false}}) {
    MeasurementStore s;
    EXPECT_TRUE(RecordReading(s, At(2455000.5_r, 2, 1.0f), options, prompter));
    EXPECT_EQ(s.pending.JulianDay, 2455000.5_r);
    EXPECT_EQ(s.pending.Offset[1], kNoMeasurement);
  }
  EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST(PendingRecordTest, CommitNeedsADateAndACountedValue) {
  struct Case {
    const char* name;
    Real jd;
    float offset;
    bool included, committed;
  };
  const Case cases[] = {
      {"a value", 2455000.5_r, 1.5f, true, true},
      {"only 0.0", 2455000.5_r, 0.0f, true, false},
      {"only excluded values", 2455000.5_r, 1.5f, false, false},
      {"no date", 0, 1.5f, true, false},
  };
  for (const Case& c : cases) {
    MeasurementStore store;
    store.pending.JulianDay = c.jd;
    store.pending.Offset[3] = c.offset;
    store.pending.Included[3] = c.included;
    store.NothingPending = false;
    EXPECT_EQ(CommitPendingMeasurement(store), c.committed) << c.name;
    EXPECT_EQ(store.table.Count(), c.committed ? 1 : 0) << c.name;
    EXPECT_EQ(store.NothingPending, c.committed) << c.name;
  }
}

TEST(PendingRecordTest, RecordWithoutADialogAwaitsItsCommitAtOnce) {
  MeasurementStore store;
  test::RecordingPrompter prompter;
  ASSERT_TRUE(RecordReadingConfirmed(store, At(2455000.5_r, 2, -1.5f), prompter));
  EXPECT_FALSE(store.NothingPending);
  EXPECT_FLOAT_EQ(store.pending.Offset[1], -1.5f);
  // A miss at the same time keeps what is pending; Next then commits it, once.
  EXPECT_FALSE(RecordReadingConfirmed(store, At(2455000.5_r, 0, 0.0f), prompter));
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_FALSE(store.NothingPending);
  EXPECT_TRUE(CommitAwaitingMeasurement(store));
  EXPECT_FALSE(CommitAwaitingMeasurement(store));
  EXPECT_EQ(store.table.Count(), 1);
  EXPECT_FALSE(store.DataSaved);
  // The first reading at a new time commits a record still waiting, a miss included.
  ASSERT_TRUE(RecordReadingConfirmed(store, At(2455001.5_r, 1, 2.0f), prompter));
  EXPECT_FALSE(RecordReadingConfirmed(store, At(2455002.5_r, 0, 0.0f), prompter));
  EXPECT_EQ(store.table.Count(), 2);
  EXPECT_EQ(store.pending.JulianDay, 2455002.5_r);
  EXPECT_TRUE(store.NothingPending);
  EXPECT_FALSE(CommitAwaitingMeasurement(store));
}

}  // namespace
}  // namespace jovi
