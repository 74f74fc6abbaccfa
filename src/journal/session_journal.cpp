#include "journal/session_journal.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <system_error>

#include "astro/date_time.h"
#include "util/atomic_file.h"
#include "util/date_serial.h"
#include "util/real.h"

namespace jovi {

namespace {

std::string Count(std::size_t n, const char* thing) {
  return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

std::string ErrorText(int error) { return std::generic_category().message(error); }

// "May 10, 2024 at 14:30"
std::string WhenText(double serial) {
  const CivilDateTime t = CivilFromSerial(serial);
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02d:%02d", t.hour, t.minute);
  return std::string(MonthName(t.month)) + " " + std::to_string(t.day) + ", " +
         std::to_string(t.year) + " at " + clock;
}

// "20240510-143000-4242-9f3a": the start time, the process and a random part, so that two
// sessions never share a name even on machines that share the folder.
std::string SessionId(double start_serial, long process_id) {
  const CivilDateTime t = CivilFromSerial(start_serial);
  std::random_device random;
  char id[64];
  std::snprintf(id, sizeof id, "%04d%02d%02d-%02d%02d%02d-%ld-%04x", static_cast<int>(t.year),
                t.month, t.day, t.hour, t.minute, t.second, process_id,
                static_cast<unsigned>(random() & 0xFFFFu));
  return id;
}

}  // namespace

std::string RecoveryQuestion(const JournalContent& content) {
  const JournalWork& work = content.Work;
  std::string text = content.Session ? "Your session of " + WhenText(content.Session->StartSerial)
                                     : std::string("An earlier session");
  text += " ended before its work was saved.\r\n\r\nDo you want to restore its " +
          Count(work.Measurements.size(), "measurement") + " and " +
          Count(work.Events.size(), "event record") +
          "?\r\n\r\nYes puts them back as they were (not yet saved); No discards them.";
  if (content.DamagedLines > 0) {
    text += "\r\n\r\n(" + Count(static_cast<std::size_t>(content.DamagedLines), "damaged line") +
            " of its journal could not be read and " + (content.DamagedLines == 1 ? "is" : "are") +
            " left out.)";
  }
  return text;
}

void SessionJournal::Begin(const std::string& user_dir, ExerciseMode mode, double start_serial) {
  folder_ = user_dir;
  session_ = {SessionId(start_serial, static_cast<long>(::getpid())), mode, start_serial};
  path_ = folder_ + kJournalPrefix + session_.Id + kJournalSuffix;
}

std::vector<LeftoverJournal> SessionJournal::ClaimLeftovers() {
  std::vector<LeftoverJournal> leftovers;
  if (!Begun()) return leftovers;
  const std::vector<std::string> paths = JournalFilesIn(folder_);
  // A recovery that was cut short leaves the old journal beside the one that took its work.
  std::set<std::string> absorbed;
  for (const std::string& path : paths) {
    std::error_code size_error;
    if (std::filesystem::file_size(path, size_error) > kMostJournalBytes || size_error) continue;
    const FileBytes bytes = ReadWholeFile(path);
    if (!bytes.Ok()) continue;
    for (const std::string& id : ParseJournal(bytes.bytes).Work.Absorbed) absorbed.insert(id);
  }
  for (const std::string& path : paths) {
    if (path == path_) continue;
    LeftoverJournal leftover;
    int error = 0;
    const JournalFile::Claim claim = leftover.File.ClaimExisting(path, error);
    if (claim == JournalFile::Claim::InUse) continue;  // a running session's
    std::error_code size_error;
    const std::uintmax_t size = std::filesystem::file_size(path, size_error);
    if (claim == JournalFile::Claim::Claimed && !size_error && size > kMostJournalBytes) {
      SetAside(path, "is too large to be a journal");
      continue;
    }
    FileBytes bytes;
    if (claim == JournalFile::Claim::Claimed) bytes = ReadWholeFile(path);
    if (claim == JournalFile::Claim::Failed || !bytes.Ok()) {
      prompter_.Tell("The journal \"" + path + "\" of an earlier session cannot be read (" +
                         ErrorText(error ? error : bytes.error) +
                         ").\r\n\r\nIts work cannot be restored; the file is left in place.",
                     kRecoverCaption, Icon::Exclamation);
      continue;
    }
    leftover.Content = ParseJournal(bytes.bytes);
    const JournalContent& content = leftover.Content;
    if (content.Session && absorbed.count(content.Session->Id)) {
      leftover.File.Remove();  // its work is in the journal that took it over
      continue;
    }
    if (content.Work.Empty()) {
      if (content.DamagedLines == 0) {
        leftover.File.Remove();  // ended before its first record was written
        continue;
      }
      SetAside(path, "is damaged: nothing in it can be read");
      continue;
    }
    // Another exercise's work waits for a login to that exercise.
    if (content.Session && content.Session->Mode != ExerciseMode::None &&
        session_.Mode != ExerciseMode::None && content.Session->Mode != session_.Mode) {
      continue;
    }
    leftovers.push_back(std::move(leftover));
  }
  std::stable_sort(leftovers.begin(), leftovers.end(),
                   [](const LeftoverJournal& a, const LeftoverJournal& b) {
                     const double unknown = 1e300;  // sessions of unknown date come last
                     const double sa = a.Content.Session ? a.Content.Session->StartSerial : unknown;
                     const double sb = b.Content.Session ? b.Content.Session->StartSerial : unknown;
                     return sa < sb;
                   });
  return leftovers;
}

RecoveredWork SessionJournal::OfferRecovery(MeasurementStore& store, EventList& events) {
  RecoveredWork recovered;
  for (LeftoverJournal& leftover : ClaimLeftovers()) {
    const Answer answer = prompter_.Ask(RecoveryQuestion(leftover.Content), kRecoverCaption,
                                        Buttons::YesNo, Icon::Question);
    if (answer == Answer::No) {
      Discard(leftover);
      continue;
    }
    if (answer != Answer::Yes) continue;  // no answer: asked again at the next login
    const JournalWork& work = leftover.Content.Work;
    for (const MeasurementRecord& r : work.Measurements) store.table.InsertOrdered(r);
    if (!work.Measurements.empty()) {
      store.TableChanged = true;
      store.DataSaved = false;
    }
    for (const EventRecord& r : work.Events) {
      events.ItemAt(events.LastIndex());  // on the last record (no cursor when empty)
      events.InsertAfterCursor(r);
    }
    recovered.Measurements += static_cast<int>(work.Measurements.size());
    recovered.Events += static_cast<int>(work.Events.size());
    Adopt(leftover);
  }
  return recovered;
}

void SessionJournal::Adopt(LeftoverJournal& leftover) {
  const JournalWork& taken = leftover.Content.Work;
  work_.Measurements.insert(work_.Measurements.end(), taken.Measurements.begin(),
                            taken.Measurements.end());
  work_.Events.insert(work_.Events.end(), taken.Events.begin(), taken.Events.end());
  work_.Absorbed.insert(work_.Absorbed.end(), taken.Absorbed.begin(), taken.Absorbed.end());
  if (leftover.Content.Session) work_.Absorbed.push_back(leftover.Content.Session->Id);
  Rewrite();
  // Only once this journal holds the work may the old one go.
  if (broken_) {
    kept_.push_back(std::move(leftover.File));
    return;
  }
  if (const int error = leftover.File.Remove()) {
    ReportFailure("\"" + leftover.File.Path() + "\" cannot be removed", error);
  }
}

void SessionJournal::Discard(LeftoverJournal& leftover) {
  if (const int error = leftover.File.Remove()) {
    ReportFailure("\"" + leftover.File.Path() + "\" cannot be removed", error);
  }
}

void SessionJournal::MeasurementCommitted(const MeasurementRecord& record) {
  work_.Measurements.push_back(record);
  Append(MeasurementLine(record));
}

void SessionJournal::EventSaved(const EventRecord& record) {
  work_.Events.push_back(record);
  Append(EventLine(record));
}

void SessionJournal::TableSaved(const MeasurementTable& table) {
  std::set<Real> saved;
  table.ForEach([&](const MeasurementRecord& r) { saved.insert(r.JulianDay); });
  auto& mine = work_.Measurements;
  const auto kept = std::remove_if(mine.begin(), mine.end(), [&](const MeasurementRecord& r) {
    return saved.count(r.JulianDay) > 0;
  });
  if (kept == mine.end()) return;
  mine.erase(kept, mine.end());
  Rewrite();
}

void SessionJournal::TableReplaced() {
  if (work_.Measurements.empty()) return;
  work_.Measurements.clear();
  Rewrite();
}

void SessionJournal::End(bool work_safe) {
  if (!work_safe) {
    file_.Close();
    kept_.clear();
    return;
  }
  work_ = {};
  Rewrite();
  for (JournalFile& kept : kept_) {
    if (const int error = kept.Remove()) {
      ReportFailure("\"" + kept.Path() + "\" cannot be removed", error);
    }
  }
  kept_.clear();
  file_.Close();
}

void SessionJournal::Append(const std::string& line) {
  if (!Begun()) return;
  if (!file_.IsOpen() || broken_) {
    Rewrite();  // the first record, or the repair of a failed write: the whole journal
    return;
  }
  if (const int error = file_.Append(line)) {
    broken_ = true;
    ReportFailure("\"" + path_ + "\" cannot be written", error);
  }
}

void SessionJournal::Rewrite() {
  if (!Begun()) return;
  if (work_.Empty()) {
    work_.Absorbed.clear();
    broken_ = false;
    if (const int error = file_.Remove()) {
      ReportFailure("\"" + path_ + "\" cannot be removed", error);
    }
    return;
  }
  const int error = file_.Create(path_, JournalText(session_, work_));
  broken_ = error != 0;
  if (broken_) ReportFailure("\"" + path_ + "\" cannot be written", error);
}

void SessionJournal::SetAside(const std::string& path, const std::string& why) {
  // Kept under another name for whoever looks into it, and not offered again.
  const std::string damaged = path + ".damaged";
  const bool moved = std::rename(path.c_str(), damaged.c_str()) == 0;
  prompter_.Tell("The journal \"" + path + "\" of an earlier session " + why +
                     ".\r\n\r\nIts work cannot be restored" +
                     (moved ? "; the file was renamed \"" + damaged + "\"." : "."),
                 kRecoverCaption, Icon::Exclamation);
}

void SessionJournal::ReportFailure(const std::string& what, int error) {
  if (reported_) return;
  reported_ = true;
  prompter_.Tell("Your work is not protected against a crash: the journal " + what + " (" +
                     ErrorText(error) +
                     ").\r\n\r\nThe program goes on; save your measurements often.",
                 kJournalFailedCaption, Icon::Exclamation);
}

}  // namespace jovi
