// The session journal's lines: every value reads back exactly, a torn last line is dropped,
// a damaged line is left out and counted.
#include "journal/journal_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/measurement_test_support.h"
#include "util/real.h"

namespace jovi {
namespace {

MeasurementRecord Measurement(Real jd, std::array<float, 4> offsets,
                              std::array<bool, 4> included = {true, true, true, true}) {
  return test::MakeMeasurement(jd, offsets, included);
}

EventRecord Event(double serial, Real au, std::string text) {
  EventRecord r;
  r.DateTime = serial;
  r.DistanceAU = au;
  r.Event = std::move(text);
  return r;
}

const JournalSession kSession{"20240510-143000-4242-9f3a", ExerciseMode::Newton,
                              45422.604166666664};

std::string Journal(const std::vector<MeasurementRecord>& measurements) {
  JournalWork work;
  work.Measurements = measurements;
  return JournalText(kSession, work);
}

void ExpectSameWork(const JournalWork& got, const JournalWork& want, const std::string& name) {
  ASSERT_EQ(got.Measurements.size(), want.Measurements.size()) << name;
  for (std::size_t i = 0; i < want.Measurements.size(); ++i) {
    EXPECT_TRUE(SameMeasurement(got.Measurements[i], want.Measurements[i])) << name << " #" << i;
  }
  ASSERT_EQ(got.Events.size(), want.Events.size()) << name;
  for (std::size_t i = 0; i < want.Events.size(); ++i) {
    EXPECT_TRUE(SameEvent(got.Events[i], want.Events[i])) << name << " event #" << i;
  }
  EXPECT_EQ(got.Absorbed, want.Absorbed) << name;
}

TEST(JournalFormat, EveryFieldReadsBackExactly) {
  const float kTiny = std::numeric_limits<float>::denorm_min();
  const float kInf = std::numeric_limits<float>::infinity();
  JournalWork work;
  work.Measurements = {
      Measurement(2455197.5_r, {1.25f, kNoMeasurement, kNoMeasurement, kNoMeasurement}),
      // A date between two doubles: only the extended precision tells it apart.
      Measurement(2455197.5_r + 0x1p-31_r, {-3.0517578e-05f, 0.1f, -0.0f, 7.0f / 3.0f},
                  {true, false, true, false}),
      Measurement(std::nextafter(2460440.5_r, 0.0_r), {kTiny, -kTiny, 1e-38f, -9.99f},
                  {false, false, false, false}),
      Measurement(-1.0_r / 3.0_r, {std::numeric_limits<float>::max(), kInf, -kInf, 0.0f}),
  };
  work.Events = {
      Event(40179.5, 4.712345678901234567_r, "Io is entering eclipse."),
      Event(40179.0 + 1.0 / 86400.0 / 7.0, 1.0_r / 3.0_r, ""),
      Event(-1.25, 6.0_r, "100% sure:\tIo  leaves, the\r\nend =  "),
      Event(45000.123, 5.2_r, std::string("\xC3\xA9t\xC3\xA9 \xE2\x80\x94 ") + std::string(70, 'x')),
  };
  work.Absorbed = {"20240509-090000-17-0001"};
  const std::string text = JournalText(kSession, work);
  const JournalContent read = ParseJournal(text);
  ASSERT_TRUE(read.Session);
  EXPECT_EQ(read.Session->Id, kSession.Id);
  EXPECT_EQ(read.Session->Mode, kSession.Mode);
  EXPECT_EQ(read.Session->StartSerial, kSession.StartSerial);
  ExpectSameWork(read.Work, work, "round trip");
  EXPECT_EQ(read.DamagedLines, 0);
  EXPECT_FALSE(read.TornTail);
  // The bits, not only the values: the sign of zero.
  EXPECT_TRUE(std::signbit(read.Work.Measurements[1].Offset[2]));
  // One line per record, each ending with a line feed.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 1 + 4 + 4);
}

TEST(JournalFormat, ATornLastLineIsDroppedWhereverTheWriteStopped) {
  const std::vector<MeasurementRecord> kept = {
      Measurement(2455197.5_r, {1.5f, 100, 100, 100}),
      Measurement(2455198.5_r, {100, -2.25f, 100, 100}),
  };
  const MeasurementRecord last = Measurement(2455199.5_r, {100, 100, 3.125f, 100});
  const std::string whole = Journal(kept);
  const std::string line = MeasurementLine(last);
  // Every length of the last line short of its line feed, then NULs where the file was
  // extended but the bytes never arrived.
  for (std::size_t cut = 1; cut < line.size(); ++cut) {
    for (const std::size_t nuls : {0u, 7u}) {
      const std::string bytes = whole + line.substr(0, cut) + std::string(nuls, '\0');
      const JournalContent read = ParseJournal(bytes);
      const std::string name = "cut " + std::to_string(cut) + " nuls " + std::to_string(nuls);
      JournalWork want;
      want.Measurements = kept;
      ExpectSameWork(read.Work, want, name);
      EXPECT_TRUE(read.TornTail) << name;
      EXPECT_EQ(read.DamagedLines, 0) << name;
    }
  }
  // The whole line is taken; NULs after a complete journal are only a tail.
  JournalWork all;
  all.Measurements = kept;
  all.Measurements.push_back(last);
  ExpectSameWork(ParseJournal(whole + line).Work, all, "whole");
  EXPECT_FALSE(ParseJournal(whole + line).TornTail);
  EXPECT_TRUE(ParseJournal(whole + line + std::string(512, '\0')).TornTail);
  ExpectSameWork(ParseJournal(whole + line + std::string(512, '\0')).Work, all, "nul tail");
}

TEST(JournalFormat, ABadLineIsLeftOutAndCountedUnlessItIsTheLast) {
  const std::vector<MeasurementRecord> records = {
      Measurement(2455197.5_r, {1.5f, 100, 100, 100}),
      Measurement(2455198.5_r, {100, -2.25f, 100, 100}),
      Measurement(2455199.5_r, {100, 100, 3.125f, 100}),
  };
  const std::string text = Journal(records);
  std::vector<std::size_t> starts = {0};  // of each line: the session line, then the records
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\n') starts.push_back(i + 1);
  }
  ASSERT_EQ(starts.size(), 4u);
  auto change = [&](std::size_t line, std::size_t at, char to) {
    std::string bytes = text;
    bytes[starts[line] + at] = to;
    return bytes;
  };
  const struct {
    const char* name;
    std::string bytes;
    std::vector<std::size_t> left;  // indexes of the records read
    int damaged;
    bool torn;
    bool session;
  } cases[] = {
      {"a digit of a value", change(2, 4, '9'), {0, 2}, 1, false, true},
      {"a digit of the checksum",
       change(1, MeasurementLine(records[0]).size() - 2, 'g'),
       {1, 2},
       1,
       false,
       true},
      {"the kind of record", change(1, 0, 'Q'), {1, 2}, 1, false, true},
      {"the last line", change(3, 6, '0'), {0, 1}, 0, true, true},
      {"the session line", change(0, 2, '7'), {0, 1, 2}, 1, false, false},
      {"a line feed lost",
       text.substr(0, starts[2] - 1) + text.substr(starts[2]),
       {2},
       1,
       false,
       true},
      {"a line of garbage",
       text.substr(0, starts[2]) + "x\n" + text.substr(starts[2]),
       {0, 1, 2},
       1,
       false,
       true},
      {"a blank line",
       text.substr(0, starts[2]) + "\n" + text.substr(starts[2]),
       {0, 1, 2},
       1,
       false,
       true},
      {"nothing", "", {}, 0, false, false},
      {"not a journal",
       std::string("\x89PNG\r\n\x1a\n", 8) + std::string(40, '\x7f'),
       {},
       2,
       true,
       false},
  };
  for (const auto& c : cases) {
    const JournalContent read = ParseJournal(c.bytes);
    JournalWork want;
    for (const std::size_t i : c.left) want.Measurements.push_back(records[i]);
    ExpectSameWork(read.Work, want, c.name);
    EXPECT_EQ(read.DamagedLines, c.damaged) << c.name;
    EXPECT_EQ(read.TornTail, c.torn) << c.name;
    EXPECT_EQ(read.Session.has_value(), c.session) << c.name;
  }
}

TEST(JournalFormat, LinesThatPassTheChecksumButMakeNoSenseAreDamage) {
  auto line = [](const std::string& payload) {
    char crc[16];
    std::snprintf(crc, sizeof crc, " %08x\n", Crc32(payload));
    return payload + crc;
  };
  const std::string good = MeasurementLine(Measurement(2455197.5_r, {1, 100, 100, 100}));
  for (const char* payload : {"M 2455197.5 1 100 100 100 1112", "M 2455197.5 1 100 100 1111",
                              "M 2455197.5x 1 100 100 100 1111", "M 0x1p3 1 100 100 100 1111",
                              "E 1 2 Io", "E 1 2 =Io%2", "E 1 2 =Io%zz", "S 2 id NEWTON 1",
                              "S 1 id/.. NEWTON 1", "S 1 id MARS 1", "R", "M  1 1 1 1 1111"}) {
    const JournalContent read = ParseJournal(line(payload) + good);
    EXPECT_EQ(read.DamagedLines, 1) << payload;
    EXPECT_EQ(read.Work.Measurements.size(), 1u) << payload;
  }
  // The checksum is CRC-32 (the check value of the standard).
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
}

}  // namespace
}  // namespace jovi
