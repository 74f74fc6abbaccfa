// The session journal: every confirmed measurement and every saved event record of the session
// is appended to a journal file in the login's own folder the moment it exists, so that a
// session that ends abnormally (a crash, a killed program, a power cut) loses none of them. A
// normal end removes the journal, and so does a save that holds everything in it. At the next
// login of the same student the work of a journal left behind is offered back.
//
// The journal holds only this session's own work: what it confirmed or recorded, and what it
// took back from an earlier journal. Records loaded from files are not in it, and the .DAT and
// .CSV files are never touched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "journal/journal_file.h"
#include "journal/journal_format.h"
#include "measure/event_record.h"
#include "measure/measurement_store.h"
#include "util/prompter.h"

namespace jovi {

inline constexpr const char* kRecoverCaption = "Recover Unsaved Work";
inline constexpr const char* kJournalFailedCaption = "Unsaved Work Not Protected";
// No session writes this much (a line is some 60 bytes); a bigger file is not read.
inline constexpr std::uintmax_t kMostJournalBytes = 16u << 20;

// A journal left by a session that did not end normally, held (locked) by this session while
// the student decides.
struct LeftoverJournal {
  JournalFile File;
  JournalContent Content;
};

// "Your session of May 10, 2024 at 14:30 ended before its work was saved. ... restore its
// 3 measurements and 1 event record?" with a note on damaged lines.
std::string RecoveryQuestion(const JournalContent& content);

// What a recovery put back.
struct RecoveredWork {
  int Measurements = 0;
  int Events = 0;
};

class SessionJournal final : public MeasurementObserver {
 public:
  explicit SessionJournal(Prompter& prompter) : prompter_(prompter) {}

  // The login: the journal of this session lies in `user_dir` (ending with "/"), named after
  // the start (a local date-time serial), the process and a random number. Nothing is written
  // before the first record.
  void Begin(const std::string& user_dir, ExerciseMode mode, double start_serial);

  // The journals of the login's folder that no running session holds and whose exercise is
  // this session's (or unknown), claimed for this session, oldest first. Journals without
  // work, and those whose work another journal took over, are removed on the way.
  std::vector<LeftoverJournal> ClaimLeftovers();

  // Asks about each leftover journal (kRecoverCaption, Yes/No). Yes puts its measurements
  // into the table and its event records after those of the list, exactly as they were, and
  // makes them this session's work; No removes the journal; no answer leaves it for later.
  RecoveredWork OfferRecovery(MeasurementStore& store, EventList& events);

  // Yes and No of the question, for one leftover.
  void Adopt(LeftoverJournal& leftover);
  void Discard(LeftoverJournal& leftover);

  // MeasurementObserver
  void MeasurementCommitted(const MeasurementRecord& record) override;
  // The journal's measurements whose date the saved table holds are dropped; without other
  // work left the journal is removed, otherwise rewritten with what is left.
  void TableSaved(const MeasurementTable& table) override;
  void TableReplaced() override;

  void EventSaved(const EventRecord& record);

  // The session ends: with `work_safe` (everything saved, or the student agreed to lose it) the
  // journal is removed; otherwise it stays for the next login.
  void End(bool work_safe);

  const JournalWork& Work() const { return work_; }
  const JournalSession& Session() const { return session_; }
  // The journal's path once the session began; the file exists once there is work.
  const std::string& Path() const { return path_; }
  bool Begun() const { return !path_.empty(); }

 private:
  void Append(const std::string& line);
  // Writes the whole journal anew (or removes it when no work is left).
  void Rewrite();
  void ReportFailure(const std::string& what, int error);
  // A leftover that can never give anything back: renamed, and the student told why.
  void SetAside(const std::string& path, const std::string& why);

  Prompter& prompter_;
  std::string folder_;
  std::string path_;
  JournalSession session_;
  JournalWork work_;
  JournalFile file_;
  bool broken_ = false;            // the last write failed: the next record rewrites the whole file
  bool reported_ = false;          // a failure was reported (once per session)
  std::vector<JournalFile> kept_;  // leftovers taken back while this journal could not be written
};

}  // namespace jovi
