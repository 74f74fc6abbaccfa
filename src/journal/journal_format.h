// The session journal's text: one line per record, each ending with the CRC-32 of the rest of
// the line, so that a line torn by a crash (or damaged on disk) is recognised. Numbers are
// written in their shortest round-trip form (std::to_chars), so every value reads back exactly.
//
//   S 1 <session id> <exercise> <start serial>      the session that keeps the journal
//   R <session id>                                   the work of that session's journal is here
//   M <jd> <io> <europa> <ganymede> <callisto> <included, four 0/1>   a confirmed measurement
//   E <date-time serial> <distance AU> =<event text, %XX-escaped>      a saved event record
//
// each followed by a space and eight lower-case hex digits of the CRC-32 of what precedes the
// space, and a line feed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/exercise_mode.h"
#include "measure/event_record.h"
#include "measure/measurement_record.h"

namespace jovi {

inline constexpr int kJournalVersion = 1;

// The session a journal belongs to.
struct JournalSession {
  std::string Id;  // unique among the journals of one folder; letters, digits and "-"
  ExerciseMode Mode = ExerciseMode::None;
  double StartSerial = 0;  // the local date-time serial the session began
};

// The work a journal holds, in the order it was recorded.
struct JournalWork {
  std::vector<MeasurementRecord> Measurements;
  std::vector<EventRecord> Events;
  std::vector<std::string> Absorbed;  // ids of the journals whose work this one took over
  bool Empty() const { return Measurements.empty() && Events.empty(); }
};

// What a journal's bytes gave.
struct JournalContent {
  std::optional<JournalSession> Session;  // the session line, when it was read
  JournalWork Work;
  int DamagedLines = 0;   // bad lines with good lines after them: left out
  bool TornTail = false;  // the last line was incomplete or bad: dropped
};

// CRC-32 (IEEE 802.3, the one of zip and PNG).
std::uint32_t Crc32(std::string_view bytes);

// One line each, with its checksum and line feed.
std::string SessionLine(const JournalSession& session);
std::string AbsorbedLine(std::string_view session_id);
std::string MeasurementLine(const MeasurementRecord& record);
std::string EventLine(const EventRecord& record);

// A whole journal: the session line, then the absorbed ids, the measurements, the events.
std::string JournalText(const JournalSession& session, const JournalWork& work);

// Reads a journal. A line that fails its checksum or does not parse is left out: when only
// bad lines (or nothing) follow it, it is the torn tail of an interrupted write; otherwise a
// damaged line. NUL bytes at the end (a file extended but never written) count as the tail.
JournalContent ParseJournal(std::string_view bytes);

// Equality of every field, bit for bit in the sense of ==, with NaN equal to NaN (the tests'
// and the save rule's comparison).
bool SameMeasurement(const MeasurementRecord& a, const MeasurementRecord& b);
bool SameEvent(const EventRecord& a, const EventRecord& b);

}  // namespace jovi
