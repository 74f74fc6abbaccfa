// The session journal on disk: what is in it at each moment, when it goes, and what a later
// login of the same student is offered.
#include "journal/session_journal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/file_helpers.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/date_serial.h"
#include "util/real.h"

namespace jovi {
namespace {

namespace fs = std::filesystem;

MeasurementRecord Measurement(Real jd, float io) {
  MeasurementRecord r;
  r.JulianDay = jd;
  r.Offset[0] = io;
  return r;
}

EventRecord Event(double serial, const char* text) {
  EventRecord r;
  r.DateTime = serial;
  r.DistanceAU = 4.5_r + serial / 1e6_r;
  r.Event = text;
  return r;
}

const double kMay10 = SerialFromCivil({2024, 5, 10, 14, 30, 0, 0});
const double kMay11 = SerialFromCivil({2024, 5, 11, 9, 5, 0, 0});

std::vector<Real> Dates(const std::vector<MeasurementRecord>& records) {
  std::vector<Real> dates;
  for (const auto& r : records) dates.push_back(r.JulianDay);
  return dates;
}

std::vector<Real> Dates(const MeasurementTable& table) {
  std::vector<Real> dates;
  table.ForEach([&](const MeasurementRecord& r) { dates.push_back(r.JulianDay); });
  return dates;
}

class SessionJournalTest : public ::testing::Test {
 protected:
  SessionJournalTest() : folder(dir.File("Users/JSmith") + "/") { fs::create_directories(folder); }

  // A session of the same student, as a new login makes it.
  std::unique_ptr<SessionJournal> Login(double start = kMay11,
                                        ExerciseMode mode = ExerciseMode::Newton) {
    auto journal = std::make_unique<SessionJournal>(prompter);
    journal->Begin(folder, mode, start);
    return journal;
  }
  // The measurement confirmed at the telescope: it joins the table, the journal is told.
  void Confirm(MeasurementStore& store, const MeasurementRecord& r) {
    store.pending = r;
    store.NothingPending = false;
    ASSERT_TRUE(CommitPendingMeasurement(store));
  }
  std::vector<std::string> Files() const { return test::FolderEntries(folder); }
  JournalContent OnDisk(const SessionJournal& journal) const {
    return ParseJournal(test::ReadAll(journal.Path()));
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& m : prompter.messages) captions.push_back(m.caption);
    return captions;
  }

  test::TempDir dir;
  std::string folder;
  test::RecordingPrompter prompter;
};

TEST_F(SessionJournalTest, EachRecordIsInTheFileWhenTheCallReturns) {
  auto journal = Login();
  MeasurementStore store;
  store.observer = journal.get();
  EXPECT_TRUE(Files().empty());  // nothing before the first record
  const MeasurementRecord a = Measurement(2455197.5_r, 1.25f);
  const MeasurementRecord b = Measurement(2455197.75_r, -0.5f);
  Confirm(store, a);
  ASSERT_EQ(Files().size(), 1u);
  EXPECT_EQ(fs::path(journal->Path()).filename().string().rfind("Journal-20240511-090500-", 0), 0u);
  EXPECT_EQ(Dates(OnDisk(*journal).Work.Measurements), (std::vector<Real>{a.JulianDay}));
  Confirm(store, b);
  journal->EventSaved(Event(45423.5, "Io is entering eclipse."));
  const JournalContent content = OnDisk(*journal);
  ASSERT_TRUE(content.Session);
  EXPECT_EQ(content.Session->StartSerial, kMay11);
  EXPECT_EQ(content.Session->Mode, ExerciseMode::Newton);
  EXPECT_EQ(Dates(content.Work.Measurements), (std::vector<Real>{a.JulianDay, b.JulianDay}));
  ASSERT_EQ(content.Work.Events.size(), 1u);
  EXPECT_EQ(content.Work.Events[0].Event, "Io is entering eclipse.");
  // A commit that takes nothing into the table tells the journal nothing.
  store.pending = MeasurementRecord{};
  store.pending.JulianDay = 2455199.5_r;
  EXPECT_FALSE(CommitPendingMeasurement(store));
  EXPECT_EQ(OnDisk(*journal).Work.Measurements.size(), 2u);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SessionJournalTest, WhatRemovesTheJournalAndWhatItKeeps) {
  const MeasurementRecord a = Measurement(2455197.5_r, 1.25f);
  const MeasurementRecord b = Measurement(2455198.5_r, 2.5f);
  const MeasurementRecord loaded = Measurement(2455100.5_r, 3.0f);
  MeasurementRecord a_edited = a;
  a_edited.Offset[2] = -1.0f;
  auto table = [](std::vector<MeasurementRecord> records) {
    MeasurementTable t;
    for (const auto& r : records) t.InsertOrdered(r);
    return t;
  };
  using Steps = std::function<void(SessionJournal&)>;
  const struct {
    const char* name;
    Steps steps;
    bool file_left;
    std::vector<Real> measurements_left;
    std::size_t events_left;
  } cases[] = {
      {"a normal end",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.End(true);
       },
       false,
       {},
       0},
      {"an end with work not safe",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.End(false);
       },
       true,
       {a.JulianDay},
       0},
      {"a save of everything",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.MeasurementCommitted(b);
         j.TableSaved(table({loaded, a, b}));
       },
       false,
       {},
       0},
      {"a save holding a record edited after its confirmation",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.TableSaved(table({a_edited}));
       },
       false,
       {},
       0},
      {"a save of part",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.MeasurementCommitted(b);
         j.TableSaved(table({b}));
       },
       true,
       {a.JulianDay},
       0},
      {"a save of loaded records only",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.TableSaved(table({loaded}));
       },
       true,
       {a.JulianDay},
       0},
      {"a save does not hold event records",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.EventSaved(Event(45423.5, "Io is leaving Eclipse."));
         j.TableSaved(table({a}));
       },
       true,
       {},
       1},
      {"a load that replaced the table",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.EventSaved(Event(45423.5, "Io is leaving Eclipse."));
         j.TableReplaced();
       },
       true,
       {},
       1},
      {"a load that replaced measurements only",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.TableReplaced();
       },
       false,
       {},
       0},
      {"work after a save",
       [&](SessionJournal& j) {
         j.MeasurementCommitted(a);
         j.TableSaved(table({a}));
         j.MeasurementCommitted(b);
       },
       true,
       {b.JulianDay},
       0},
      {"event records at a normal end",
       [&](SessionJournal& j) {
         j.EventSaved(Event(45423.5, "x"));
         j.End(true);
       },
       false,
       {},
       0},
  };
  for (const auto& c : cases) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto journal = Login();
    c.steps(*journal);
    const std::string path = journal->Path();
    journal.reset();  // as a killed program leaves it
    ASSERT_EQ(fs::exists(path), c.file_left) << c.name;
    EXPECT_EQ(Files().size(), c.file_left ? 1u : 0u) << c.name;  // no temporary files either
    if (!c.file_left) continue;
    const JournalContent content = ParseJournal(test::ReadAll(path));
    EXPECT_EQ(Dates(content.Work.Measurements), c.measurements_left) << c.name;
    EXPECT_EQ(content.Work.Events.size(), c.events_left) << c.name;
    EXPECT_FALSE(content.TornTail) << c.name;
  }
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SessionJournalTest, AJournalInUseIsNotOfferedButOneLeftBehindIs) {
  #ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "flock always succeeds under Emscripten: a journal in use cannot be seen";
#endif
  auto running = Login(kMay10);
  running->MeasurementCommitted(Measurement(2455197.5_r, 1.0f));
  // A second login of the same student while the first session runs.
  auto second = Login(kMay11);
  EXPECT_TRUE(second->ClaimLeftovers().empty());
  EXPECT_EQ(Files().size(), 1u);
  running->End(false);  // the operating system lets go of a killed program's lock
  running.reset();
  auto third = Login(kMay11 + 1);
  std::vector<LeftoverJournal> leftovers = third->ClaimLeftovers();
  ASSERT_EQ(leftovers.size(), 1u);
  EXPECT_EQ(leftovers[0].Content.Work.Measurements.size(), 1u);
  // While one login considers it, another does not see it.
  EXPECT_TRUE(Login(kMay11 + 2)->ClaimLeftovers().empty());
}

TEST_F(SessionJournalTest, YesRestoresExactlyAndTheWorkBecomesThisSessions) {
  const std::vector<MeasurementRecord> confirmed = {Measurement(2455198.5_r + 1e-9_r, -1.75f),
                                                    Measurement(2455197.5_r, 0.3f)};
  const std::vector<EventRecord> events = {Event(45423.5, "Io is entering eclipse."),
                                           Event(45423.25, "first typed % after")};
  {
    auto crashed = Login(kMay10);
    for (const auto& r : confirmed) crashed->MeasurementCommitted(r);
    for (const auto& e : events) crashed->EventSaved(e);
  }
  const std::string old_file = Files().at(0);

  auto next = Login(kMay11);
  MeasurementStore store;
  store.table.InsertOrdered(Measurement(2455000.5_r, 9.0f));  // loaded from a file
  EventList list;
  AppendEvent(list, Event(45400.0, ""), "earlier");
  prompter.answers = {Answer::Yes};
  const RecoveredWork recovered = next->OfferRecovery(store, list);
  EXPECT_EQ(recovered.Measurements, 2);
  EXPECT_EQ(recovered.Events, 2);
  ASSERT_EQ(prompter.messages.size(), 1u);
  const test::Message& question = prompter.messages[0];
  EXPECT_EQ(question.caption, "Recover Unsaved Work");
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  EXPECT_EQ(question.icon, Icon::Question);
  EXPECT_EQ(question.text,
            "Your session of May 10, 2024 at 14:30 ended before its work was saved.\r\n\r\n"
            "Do you want to restore its 2 measurements and 2 event records?\r\n\r\n"
            "Yes puts them back as they were (not yet saved); No discards them.");
  // In the table by date, every field as confirmed; the events after the list's own.
  ASSERT_EQ(store.table.Count(), 3);
  EXPECT_TRUE(SameMeasurement(*store.table.ItemAt(1), confirmed[1]));
  EXPECT_TRUE(SameMeasurement(*store.table.ItemAt(2), confirmed[0]));
  EXPECT_FALSE(store.DataSaved);
  EXPECT_TRUE(store.TableChanged);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.ItemAt(0)->Event, "earlier");
  EXPECT_TRUE(SameEvent(*list.ItemAt(1), events[0]));
  EXPECT_TRUE(SameEvent(*list.ItemAt(2), events[1]));
  // The old journal is gone; this session's holds the work and names the one it replaced.
  const std::vector<std::string> files = Files();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_NE(files[0], old_file);
  const JournalContent mine = OnDisk(*next);
  EXPECT_EQ(mine.Work.Measurements.size(), 2u);
  EXPECT_EQ(mine.Work.Events.size(), 2u);
  ASSERT_EQ(mine.Work.Absorbed.size(), 1u);
  EXPECT_NE(old_file.find(mine.Work.Absorbed[0]), std::string::npos);
  // When this session is killed too, the next login is offered everything, under its date.
  next->MeasurementCommitted(Measurement(2455199.5_r, 4.0f));
  next.reset();
  prompter.messages.clear();
  prompter.answers = {Answer::No};
  MeasurementStore later;
  EventList later_events;
  Login(kMay11 + 1)->OfferRecovery(later, later_events);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_NE(prompter.messages[0].text.find(
                "May 11, 2024 at 09:05 ended before its work was saved.\r\n\r\n"
                "Do you want to restore its 3 measurements and 2 event records?"),
            std::string::npos);
  EXPECT_TRUE(later.table.IsEmpty());
  EXPECT_TRUE(Files().empty());  // No removed it
}

TEST_F(SessionJournalTest, NoRemovesNoAnswerKeepsAndEachJournalIsAskedAbout) {
  for (const double start : {kMay10, kMay10 + 0.5}) {
    auto crashed = Login(start);
    crashed->MeasurementCommitted(Measurement(2455197.5_r + start - kMay10, 1.0f));
  }
  ASSERT_EQ(Files().size(), 2u);
  MeasurementStore store;
  EventList events;
  prompter.answers = {Answer::None, Answer::No};
  const RecoveredWork recovered = Login()->OfferRecovery(store, events);
  EXPECT_EQ(recovered.Measurements, 0);
  ASSERT_EQ(prompter.messages.size(), 2u);  // oldest first
  EXPECT_NE(prompter.messages[0].text.find("at 14:30"), std::string::npos);
  EXPECT_NE(prompter.messages[1].text.find("May 11, 2024 at 02:30"), std::string::npos);
  EXPECT_TRUE(store.table.IsEmpty());
  EXPECT_TRUE(store.DataSaved);
  ASSERT_EQ(Files().size(), 1u);  // the unanswered one waits for the next login
  prompter.messages.clear();
  prompter.answers = {Answer::Yes};
  Login()->OfferRecovery(store, events);
  EXPECT_NE(prompter.messages.at(0).text.find("at 14:30"), std::string::npos);
  EXPECT_EQ(store.table.Count(), 1);
}

TEST_F(SessionJournalTest, ARecoveryCutShortBeforeTheOldJournalWentIsNotOfferedTwice) {
  {
    auto crashed = Login(kMay10);
    crashed->MeasurementCommitted(Measurement(2455197.5_r, 1.0f));
  }
  const JournalContent old = ParseJournal(test::ReadAll(folder + Files().at(0)));
  ASSERT_TRUE(old.Session);
  // The next session wrote its journal with the old one's work and was killed at once.
  JournalWork taken = old.Work;
  taken.Absorbed.push_back(old.Session->Id);
  const JournalSession next{"20240511-090500-99-0001", ExerciseMode::Newton, kMay11};
  const std::string text = JournalText(next, taken);
  std::ofstream(folder + "Journal-" + next.Id + ".jnl", std::ios::binary) << text;
  ASSERT_EQ(Files().size(), 2u);

  std::vector<LeftoverJournal> leftovers = Login(kMay11 + 1)->ClaimLeftovers();
  ASSERT_EQ(leftovers.size(), 1u);
  EXPECT_EQ(leftovers[0].Content.Session->Id, next.Id);
  EXPECT_EQ(Files(), (std::vector<std::string>{"Journal-" + next.Id + ".jnl"}));
}

TEST_F(SessionJournalTest, TornDamagedEmptyAndOtherExercisesJournals) {
  const JournalSession roemer{"20240509-080000-5-0001", ExerciseMode::Roemer, kMay10 - 1};
  const JournalSession newton{"20240509-090000-6-0002", ExerciseMode::Newton, kMay10 - 0.5};
  const JournalSession header_only{"20240509-100000-7-0003", ExerciseMode::Newton, kMay10};
  const JournalSession rubbish{"20240509-110000-8-0004", ExerciseMode::Newton, kMay10 + 0.1};
  auto write = [&](const JournalSession& s, const std::string& text) {
    std::ofstream(folder + "Journal-" + s.Id + ".jnl", std::ios::binary) << text;
  };
  JournalWork events;
  events.Events = {Event(45420.5, "Io is entering eclipse.")};
  write(roemer, JournalText(roemer, events));
  // Two good measurements around a damaged one, and the last write torn.
  const std::string bad = MeasurementLine(Measurement(2455198.5_r, 2.0f));
  write(newton, SessionLine(newton) + MeasurementLine(Measurement(2455197.5_r, 1.0f)) +
                    bad.substr(0, 5) + "X" + bad.substr(6) +
                    MeasurementLine(Measurement(2455199.5_r, 3.0f)) +
                    MeasurementLine(Measurement(2455200.5_r, 4.0f)).substr(0, 20));
  write(header_only, SessionLine(header_only) + MeasurementLine(Measurement(1, 1)).substr(0, 9));
  write(rubbish, "garbage\nmore garbage\n\n");
  const JournalSession huge{"20240509-120000-9-0005", ExerciseMode::Newton, kMay10 + 0.2};
  write(huge, SessionLine(huge));
  fs::resize_file(folder + "Journal-" + huge.Id + ".jnl", kMostJournalBytes + 1);  // sparse

  MeasurementStore store;
  EventList list;
  prompter.answers = {Answer::Yes};
  Login(kMay11, ExerciseMode::Newton)->OfferRecovery(store, list);
  // First what cannot be restored, then the question.
  ASSERT_EQ(prompter.messages.size(), 3u);
  EXPECT_EQ(Captions(), std::vector<std::string>(3, "Recover Unsaved Work"));
  EXPECT_NE(prompter.messages[0].text.find("is damaged: nothing in it can be read"),
            std::string::npos);
  EXPECT_EQ(prompter.messages[0].buttons, Buttons::Ok);
  EXPECT_NE(prompter.messages[1].text.find("is too large to be a journal"), std::string::npos);
  EXPECT_NE(prompter.messages[2].text.find("restore its 2 measurements and 0 event records?"),
            std::string::npos);
  EXPECT_NE(prompter.messages[2].text.find(
                "(1 damaged line of its journal could not be read and is left out.)"),
            std::string::npos);
  EXPECT_EQ(Dates(store.table), (std::vector<Real>{2455197.5_r, 2455199.5_r}));
  // The light-time exercise's journal waits for a login to it; the empty one is gone, the
  // rubbish is kept aside.
  const std::vector<std::string> files = Files();
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files[0], "Journal-" + roemer.Id + ".jnl");
  EXPECT_EQ(files[1], "Journal-" + rubbish.Id + ".jnl.damaged");
  EXPECT_EQ(files[2], "Journal-" + huge.Id + ".jnl.damaged");
  EXPECT_EQ(files[3].rfind("Journal-20240511-090500-", 0), 0u);  // this session's
  prompter.messages.clear();
  prompter.answers = {Answer::Yes};
  Login(kMay11, ExerciseMode::Roemer)->OfferRecovery(store, list);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_NE(prompter.messages[0].text.find("0 measurements and 1 event record?"),
            std::string::npos);
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(SessionJournalTest, AFolderThatCannotBeWrittenIsReportedOnceAndTheSessionGoesOn) {
  // The folder's place is taken by a file: nothing can be created in it.
  const std::string blocked = dir.Write("Users/Blocked", "") + "/";
  auto journal = std::make_unique<SessionJournal>(prompter);
  journal->Begin(blocked, ExerciseMode::Newton, kMay11);
  MeasurementStore store;
  store.observer = journal.get();
  Confirm(store, Measurement(2455197.5_r, 1.0f));
  Confirm(store, Measurement(2455198.5_r, 2.0f));
  journal->EventSaved(Event(45420.5, "x"));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Unsaved Work Not Protected");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_NE(prompter.messages[0].text.find("\"" + journal->Path() +
                                           "\" cannot be written (Not a directory)"),
            std::string::npos);
  EXPECT_EQ(store.table.Count(), 2);  // the work itself goes on
  EXPECT_EQ(journal->Work().Measurements.size(), 2u);
  journal->TableSaved(store.table);
  journal->End(true);
  EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace jovi
