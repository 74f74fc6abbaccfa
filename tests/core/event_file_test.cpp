// The light-time exercise's event list as a .CSV file: the text written and read back, damaged
// files refused whole, the Data menu's save and load, and the quit question over unsaved events.
#include "session/event_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "util/date_serial.h"
#include "journal/journal_format.h"
#include "session/event_file_commands.h"
#include "support/civil_dates.h"
#include "support/file_helpers.h"
#include "support/recording_prompter.h"
#include "support/scripted_file_dialogs.h"
#include "support/temp_dir.h"

namespace jovi {
namespace {

// A record as the event record dialog makes it: the session's local serial of a UT instant.
EventRecord Recorded(Real jd_ut, float zone_hours, Real au, std::string text) {
  DateTimeRec session_time;
  session_time.ZoneOffset = zone_hours / 24.0_r;
  SetFromJD(session_time, jd_ut);
  EventRecord r;
  r.DateTime = session_time.Serial;
  r.DistanceAU = au;
  r.Event = std::move(text);
  return r;
}

TEST(EventCsv, TheLinesAUserSees) {
  const float zone = 5;  // the local date is still January 17
  const std::vector<EventRecord> records = {
      Recorded(test::CivilJD(2027, 1, 18, 3), zone, 4.5_r, "Io is entering eclipse."),
      Recorded(test::CivilJD(2027, 1, 19, 23, 59, 59), zone, 4.75_r, "said \"now\", twice"),
      Recorded(test::CivilJD(2027, 1, 20, 0, 0, 0), zone, 4.8_r, ""),
  };
  // The Julian date is written with the digits that read back as the very value: more of them
  // where the real type is the extended one.
  const std::string second_jd = kRealIsExtended ? "2461425.4999884259232" : "2461425.499988426";
  EXPECT_EQ(EventCsvText(records, zone),
            "UT Date,UT Time,Julian Date,Event,Distance (AU),Distance (km)\r\n"
            "2027/01/18,03:00:00,2461423.625,\"Io is entering eclipse.\",4.5,6.73190E+08\r\n"
            "2027/01/19,23:59:59," + second_jd +
                ",\"said \"\"now\"\", twice\",4.75,7.10590E+08\r\n"
            "2027/01/20,00:00:00,2461425.5,\"\",4.8,7.18070E+08\r\n");
}

// Whatever the zone and the instant, a record reads back bit for bit, and the text it gives
// is the text it was read from.
TEST(EventCsv, RecordsReadBackExactly) {
  std::mt19937 random(20270118);
  std::uniform_real_distribution<double> day(0.0, 1.0);
  for (const float zone : {-12.0f, -5.5f, 0.0f, 5.0f, 9.75f, 14.0f}) {
    std::vector<EventRecord> records;
    for (int i = 0; i < 40; ++i) {
      const Real jd = 2461400.5_r + i * 3 + day(random);
      records.push_back(Recorded(jd, zone, 4.0_r + day(random) * 2, "Io is leaving Eclipse."));
    }
    records.push_back(Recorded(2461500.5_r, zone, 5.25_r, "Ganymède, 1°, \u00e9t\u00e9 \"quoted\""));
    records.push_back(Recorded(2461501.5_r, zone, 5.5_r, std::string(80, 'x')));
    const std::string text = EventCsvText(records, zone);
    const EventCsvContent back = ReadEventCsv(text, zone);
    ASSERT_TRUE(back.Ok()) << back.Error;
    ASSERT_EQ(back.Records.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
      EXPECT_TRUE(SameEvent(back.Records[i], records[i])) << "zone " << zone << ", record " << i;
    }
    EXPECT_EQ(EventCsvText(back.Records, zone), text) << zone;
  }
  // A spreadsheet's byte-order mark and plain LF line ends are read too; blank lines skipped.
  const std::string lf = "\xEF\xBB\xBFUT Date,UT Time,Julian Date,Event,Distance (AU),Distance (km)\n"
                         "\n2027/01/18,03:00:00,2461423.625,\"Io\",4.5,6.73190E+08\n";
  const EventCsvContent read = ReadEventCsv(lf, 0);
  ASSERT_TRUE(read.Ok()) << read.Error;
  ASSERT_EQ(read.Records.size(), 1u);
  EXPECT_EQ(read.Records[0].DateTime, 46405.125);
  EXPECT_EQ(read.Records[0].Event, "Io");
}

TEST(EventCsv, ADamagedFileGivesNoRecordsAndSaysWhere) {
  const std::string heading = std::string(kEventCsvHeading) + "\r\n";
  const std::string good = "2027/01/18,03:00:00,2461423.625,\"Io\",4.5,6.73190E+08\r\n";
  const struct {
    const char* name;
    std::string text;
    std::string error;
  } cases[] = {
      {"empty", "", "it is empty"},
      {"not an event list", "Jupiter Satellite Measurements\r\n" + good,
       "it does not begin with the event list's heading line"},
      {"a field missing", heading + good + "2027/01/18,03:00:00,2461423.625,\"Io\",4.5\r\n",
       "line 3: it has 5 fields, not 6"},
      {"a text with a comma, not quoted", heading + "a,b,2461423.625,Io, eclipse,4.5,6E+08\r\n",
       "line 2: it has 7 fields, not 6"},
      {"quote not closed", heading + "a,b,2461423.625,\"Io,4.5,6E+08\r\n" + good,
       "line 2: a quoted event text is not closed"},
      {"no Julian date", heading + good + "a,b,,\"Io\",4.5,6E+08\r\n",
       "line 3: \"\" is not a Julian date"},
      {"Julian date not a number", heading + "a,b,24614x3.6,\"Io\",4.5,6E+08\r\n",
       "line 2: \"24614x3.6\" is not a Julian date"},
      {"Julian date out of range", heading + "a,b,1e300,\"Io\",4.5,6E+08\r\n",
       "line 2: \"1e300\" is not a Julian date"},
      {"distance in km where AU belongs", heading + "a,b,2461423.625,\"Io\",6.73E+08,4.5\r\n",
       "line 2: \"6.73E+08\" is not an Earth-Jupiter distance in AU"},
      {"distance not finite", heading + "a,b,2461423.625,\"Io\",nan,x\r\n",
       "line 2: \"nan\" is not an Earth-Jupiter distance in AU"},
      {"cut short in the last line", heading + good + "2027/01/19,03:00:00,2461424.6",
       "line 3: it has 3 fields, not 6"},
  };
  for (const auto& c : cases) {
    const EventCsvContent content = ReadEventCsv(c.text, 0);
    EXPECT_EQ(content.Error, c.error) << c.name;
    EXPECT_TRUE(content.Records.empty()) << c.name;
  }
  EXPECT_EQ(ReadEventCsv(std::string(kMostEventCsvBytes + 1, ' '), 0).Error,
            "it is far larger than any event list");
}

class EventFileTest : public ::testing::Test {
 protected:
  void Add(const EventRecord& r) {
    list.ItemAt(list.LastIndex());
    list.InsertAfterCursor(r);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    list.ForEach([&](const EventRecord& r) { texts.push_back(r.Event); });
    return texts;
  }

  test::TempDir dir;
  test::RecordingPrompter prompter;
  test::ScriptedFileDialogs dialogs;
  EventList list;
  EventFileCommands files{list, prompter, dialogs};
};

TEST_F(EventFileTest, SavedThenLoadedIntoAFreshListTheEventsAreBack) {
  const EventRecord a = Recorded(2461423.625_r, 5, 4.5_r, "Io is entering eclipse.");
  const EventRecord b = Recorded(2461423.7_r, 5, 4.51_r, "Io is leaving Eclipse.");
  Add(a);
  Add(b);
  files.ListChanged();
  std::vector<EventRecord> hooked;
  files.SetSavedHook([&](const std::vector<EventRecord>& saved) { hooked = saved; });
  const std::string path = dir.File("evening.CSV");
  dialogs.answers = {path};
  ASSERT_TRUE(files.Save(dir.File(""), 5));
  EXPECT_TRUE(files.Saved());
  EXPECT_EQ(hooked.size(), 2u);
  EXPECT_EQ(dialogs.requests[0].default_extension, ".CSV");
  EXPECT_EQ(test::ReadAll(path), EventCsvText({a, b}, 5));
  EXPECT_TRUE(prompter.messages.empty());

  // The next run: the same file into an empty list, then once more (nothing twice).
  EventList next;
  EventFileCommands load(next, prompter, dialogs);
  dialogs.answers = {path, path};
  ASSERT_TRUE(load.Load(dir.File(""), 5));
  ASSERT_TRUE(load.Load(dir.File(""), 5));
  ASSERT_EQ(next.Count(), 2);
  EXPECT_TRUE(SameEvent(*next.ItemAt(0), a));
  EXPECT_TRUE(SameEvent(*next.ItemAt(1), b));
  EXPECT_TRUE(load.Saved());
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].text,
            "Events loaded from " + path + ": 0 added, 2 already in the list.");

  // A wrong extension is refused before anything is written.
  dialogs.answers = {dir.File("evening.txt")};
  EXPECT_FALSE(files.Save(dir.File(""), 5));
  EXPECT_FALSE(std::filesystem::exists(dir.File("evening.txt")));
}

TEST_F(EventFileTest, ADamagedOrUnreadableFileLeavesTheListAsItWas) {
  Add(Recorded(2461423.625_r, 0, 4.5_r, "mine"));
  files.ListChanged();
  const std::string damaged =
      dir.Write("damaged.CSV", std::string(kEventCsvHeading) +
                                   "\r\n2027/01/18,03:00:00,2461424.625,\"Io\",4.5,6.7E+08\r\n"
                                   "2027/01/19,03:00:00,oops,\"Io\",4.5,6.7E+08\r\n");
  dialogs.answers = {damaged, dir.File("missing.CSV")};
  EXPECT_FALSE(files.Load(dir.File(""), 0));
  EXPECT_FALSE(files.Load(dir.File(""), 0));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"mine"}));
  EXPECT_FALSE(files.Saved());
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].caption, kEventFileErrorCaption);
  EXPECT_EQ(prompter.messages[0].text,
            "\"" + damaged +
                "\" is not a usable event list: line 3: \"oops\" is not a Julian date.\r\n\r\n"
                "The event list was left as it was.");
  const std::string missing = dir.File("missing.CSV");
  EXPECT_EQ(prompter.messages[1].text, "\"" + missing +
                                           "\" cannot be read: No such file or directory.\r\n\r\n"
                                           "The event list was left as it was.");

  // A good file adds its events after the list's own; the list is then in no one file.
  const std::string other =
      dir.Write("other.CSV", EventCsvText({Recorded(2461430.5_r, 0, 4.6_r, "theirs")}, 0));
  dialogs.answers = {other};
  ASSERT_TRUE(files.Load(dir.File(""), 0));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"mine", "theirs"}));
  EXPECT_FALSE(files.Saved());
}

}  // namespace
}  // namespace jovi
