#include "measure/event_record.h"

#include <gtest/gtest.h>

#include "astro/time_scales.h"
#include "phenomena/jupiter_phenomena.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "util/real.h"

namespace jovi {
namespace {

// The session's clock: an observation time kept with the time-zone difference, as the main
// window keeps it.
DateTimeRec ObservationAt(Real ut_jd, float zone_hours) {
  DateTimeRec rec;
  rec.ZoneOffset = zone_hours / 24.0_r;
  SetFromJD(rec, ut_jd);
  return rec;
}

class EventRecords : public ::testing::Test {
 protected:
  void SetUp() override { SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt"); }
};

TEST_F(EventRecords, DialogShowsTheUniversalTimeAndTheDistance) {
  const Real jd = test::CivilJD(1992, 12, 16, 2, 30);
  for (float zone : {0.0f, 5.0f, -8.0f}) {  // a zone that moves the local date too
    const DateTimeRec observation = ObservationAt(jd, zone);
    const EventRecord record = MakeEventRecord(observation);
    const EventDialogFields f = DialogFields(observation, record);
    EXPECT_EQ(f.Date, "1992/12/16") << zone;
    EXPECT_EQ(f.Time, "02:30:00") << zone;
    EXPECT_EQ(f.JulianDate, "2448972.604167") << zone;
    EXPECT_EQ(f.AU, "5.65952") << zone;  // the phenomena calculator's light-time distance
    EXPECT_NEAR(static_cast<double>(record.DistanceAU),
                static_cast<double>(EarthJupiterDistanceAt(TDTFromUT(jd))), 1e-9);
    EXPECT_EQ(f.Km, KilometresText(record.DistanceAU));
  }
  EXPECT_EQ(KilometresText(4.2034355_r), "6.28825E+08");
}

TEST_F(EventRecords, ListKeepsTheOrderOfRecordingAndTheTextsAsTyped) {
  EventList list;
  const DateTimeRec first = ObservationAt(test::CivilJD(1992, 12, 16, 2, 30), 5);
  const DateTimeRec earlier = ObservationAt(test::CivilJD(1992, 12, 1), 5);
  const std::string long_text(100, 'x');
  AppendEvent(list, MakeEventRecord(first), EventChoices()[0]);
  AppendEvent(list, MakeEventRecord(first), "my own words");  // same instant: a second record
  list.Reset();  // a walk run off the end leaves no cursor: still appended at the end
  while (list.Next()) {
  }
  AppendEvent(list, MakeEventRecord(earlier), "");
  AppendEvent(list, MakeEventRecord(earlier), long_text);
  ASSERT_EQ(list.Count(), 4);

  const std::vector<std::string> lines = EventListLines(list, 5);
  const std::vector<std::string> expected = {
      "December 16, 1992  2:30:00 UT (JD: 2448972.604167)",
      "Jupiter-Earth Distance: 5.65952 AU (8.46652E+08 Km)",
      "Event: Io is entering eclipse.",
      "",
      "December 16, 1992  2:30:00 UT (JD: 2448972.604167)",
      "Jupiter-Earth Distance: 5.65952 AU (8.46652E+08 Km)",
      "Event: my own words",
      "",
      "December 1, 1992  0:00:00 UT (JD: 2448957.500000)",
      lines.size() > 9 ? lines[9] : "",
      "",
      "December 1, 1992  0:00:00 UT (JD: 2448957.500000)",
      lines.size() > 12 ? lines[12] : "",
      "Event: " + std::string(80, 'x'),
      "",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(EventSavedText(),
            "Event data recorded.  Select \"File\"->\"Observation Date\"->\r\n\"View/Print Saved "
            "Events\" from main menu to access.");
}

TEST_F(EventRecords, LongTextIsCutAtACharacterNotInsideOne) {
  EventList list;
  const EventRecord record = MakeEventRecord(ObservationAt(test::CivilJD(1992, 12, 1), 0));
  // 79 letters, then characters of two bytes each: the 80th is kept whole.
  const std::string accented = std::string(79, 'a') + "\u00e9\u00e9\u00e9";
  AppendEvent(list, record, accented);
  AppendEvent(list, record, std::string(80, 'b'));  // exactly 80: kept as typed
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.ItemAt(0)->Event, std::string(79, 'a') + "\u00e9");
  EXPECT_EQ(list.ItemAt(1)->Event, std::string(80, 'b'));
}

}  // namespace
}  // namespace jovi
