// The session journal on disk: a file the session holds open and locked while it runs, so that
// another login can tell a journal in use from one left by a session that ended abnormally
// (the operating system releases the lock of a killed process). Lines are appended with one
// write and synced to the disk before the call returns; a whole journal is only ever replaced
// by renaming a complete, synced file over it. POSIX (flock), no other dependency.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace jovi {

inline constexpr const char* kJournalPrefix = "Journal-";
inline constexpr const char* kJournalSuffix = ".jnl";

class JournalFile {
 public:
  JournalFile() = default;
  ~JournalFile();
  JournalFile(const JournalFile&) = delete;
  JournalFile& operator=(const JournalFile&) = delete;
  JournalFile(JournalFile&& other) noexcept;
  JournalFile& operator=(JournalFile&& other) noexcept;

  bool IsOpen() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }

  // Makes `path` hold exactly `text` and holds it open and locked: the text goes into a locked
  // temporary file beside it, which is synced and renamed over `path`. A journal this object
  // held before is let go afterwards. 0, or the errno of the failed step (nothing changed).
  int Create(const std::string& path, std::string_view text);
  // Appends `line` and syncs the file. 0 or errno.
  int Append(std::string_view line);
  // Removes the file, then closes it. 0, or the errno of the removal (the file stays open).
  int Remove();
  // Closes the file and leaves it where it is.
  void Close();

  enum class Claim { Claimed, InUse, Failed };
  // Opens the journal at `path` and takes its lock without waiting: InUse while a running
  // session holds it (or it was replaced or removed meanwhile), Failed with `error` set when
  // it cannot be opened.
  Claim ClaimExisting(const std::string& path, int& error);

 private:
  int fd_ = -1;
  std::string path_;
};

// The journals in `folder` (ending with "/"), full paths in name order. Temporary files of
// an interrupted Create that no session holds are removed on the way.
std::vector<std::string> JournalFilesIn(const std::string& folder);

// Tests only: with a pause set, Append writes each line in two parts and calls it between
// them, so that a test can end the program in the middle of a journal write.
void SetJournalAppendPauseForTesting(std::function<void()> pause);

}  // namespace jovi
