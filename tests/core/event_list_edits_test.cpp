// Correcting the event list after recording: texts edited and records deleted, one change
// undone, the list's order and appending kept; a file's events added without duplicates; and
// a stored record shown with the very fields the record dialog showed.
#include "session/event_list_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/event_csv.h"
#include "support/civil_dates.h"

namespace jovi {
namespace {

EventRecord At(double serial, Real au, std::string text = "") {
  EventRecord r;
  r.DateTime = serial;
  r.DistanceAU = au;
  r.Event = std::move(text);
  return r;
}

std::vector<std::string> Texts(const EventList& list) {
  std::vector<std::string> texts;
  for (const EventRecord& r : EventRecords(list)) texts.push_back(r.Event);
  return texts;
}

EventList ThreeEvents() {
  EventList list;
  AppendEvent(list, At(100.25, 4.5_r), "a");
  AppendEvent(list, At(130.5, 4.75_r), "b");
  AppendEvent(list, At(160.75, 5.0_r), "c");
  return list;
}

TEST(EventListEdits, TextIsCutAsRecordCutsItAndTheMeasuredValuesStay) {
  EventList list = ThreeEvents();
  EventListEdits edits(list);
  // 79 letters then a two-byte character: the 80th character is kept whole, the rest cut.
  const std::string typed = std::string(79, 'x') + "\xC3\xA9" + "tail";
  ASSERT_TRUE(edits.SetText(1, typed));
  const std::vector<EventRecord> records = EventRecords(list);
  EXPECT_EQ(records[1].Event, std::string(79, 'x') + "\xC3\xA9");
  EXPECT_EQ(records[1].DateTime, 130.5);
  EXPECT_EQ(records[1].DistanceAU, 4.75_r);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", records[1].Event, "c"}));
}

TEST(EventListEdits, DeleteKeepsTheOrderAndRecordStillAppendsLast) {
  EventList list = ThreeEvents();
  EventListEdits edits(list);
  ASSERT_TRUE(edits.Delete(0));
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "c"}));
  AppendEvent(list, At(190, 5.25_r), "d");
  ASSERT_TRUE(edits.Delete(1));
  AppendEvent(list, At(200, 5.5_r), "e");
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "d", "e"}));
  // Deleting every record leaves an empty list that Record fills again.
  while (!list.IsEmpty()) ASSERT_TRUE(edits.Delete(0));
  AppendEvent(list, At(210, 5.5_r), "f");
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"f"}));
}

TEST(EventListEdits, UndoPutsBackTheLastChangeOnce) {
  EventList list = ThreeEvents();
  EventListEdits edits(list);
  EXPECT_FALSE(edits.CanUndo());
  ASSERT_TRUE(edits.SetText(2, "changed"));
  ASSERT_TRUE(edits.Delete(0));
  ASSERT_TRUE(edits.Undo());
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b", "changed"}));
  EXPECT_FALSE(edits.Undo());
  // The restored list appends after its last record.
  AppendEvent(list, At(190, 5.25_r), "d");
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b", "changed", "d"}));
  ASSERT_TRUE(edits.Delete(3));
  edits.Forget();
  EXPECT_FALSE(edits.Undo());
  EXPECT_EQ(list.Count(), 3);
}

TEST(EventListEdits, AnIndexOutsideTheListChangesNothing) {
  EventList list = ThreeEvents();
  EventListEdits edits(list);
  ASSERT_TRUE(edits.SetText(0, "first"));
  for (int index : {-1, 3, 1000}) {
    EXPECT_FALSE(edits.SetText(index, "x")) << index;
    EXPECT_FALSE(edits.Delete(index)) << index;
  }
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"first", "b", "c"}));
  // The change before the refused ones is still the one undone.
  ASSERT_TRUE(edits.Undo());
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(AddNewEvents, LeavesOutWhatTheListHoldsAndKeepsTheFilesOrder) {
  EventList list = ThreeEvents();
  const std::vector<EventRecord> file = {
      At(160.75, 5.0_r, "c"),   // held
      At(300, 6.0_r, "new 1"),
      At(100.25, 4.5_r, "a, retyped"),  // same instant, other text: a different event
      At(130.5, 4.75_r, "b"),   // held
  };
  EXPECT_EQ(AddNewEvents(list, file), 2);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b", "c", "new 1", "a, retyped"}));
  EXPECT_EQ(AddNewEvents(list, file), 0);
  EventList empty;
  EXPECT_EQ(AddNewEvents(empty, file), 4);
}

TEST(EventSessionTime, AStoredRecordShowsTheFieldsTheDialogShowed) {
  for (float zone : {0.0f, 5.0f, -9.5f}) {
    DateTimeRec observation;
    observation.ZoneOffset = zone / 24.0_r;
    SetFromJD(observation, test::CivilJD(2027, 1, 18, 23, 59, 59));
    EventRecord record = At(observation.Serial, 4.5_r);
    const EventDialogFields shown = DialogFields(observation, record);
    const EventDialogFields listed = DialogFields(EventSessionTime(record, zone), record);
    EXPECT_EQ(listed.JulianDate, shown.JulianDate) << zone;
    EXPECT_EQ(listed.Date, "2027/01/18") << zone;
    EXPECT_EQ(listed.Time, "23:59:59") << zone;
  }
}

}  // namespace
}  // namespace jovi
