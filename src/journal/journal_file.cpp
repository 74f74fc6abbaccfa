#include "journal/journal_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "util/write_all.h"

namespace jovi {

namespace {

std::function<void()>& AppendPause() {
  static std::function<void()> pause;
  return pause;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename or removal has already happened
  ::close(fd);
}

// The lock of a running session. A file system without locks is written unlocked.
int Lock(int fd) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno == ENOLCK || errno == EINVAL || errno == ENOTSUP) return 0;
    return errno;
  }
  return 0;
}

bool SameFile(int fd, const std::string& path) {
  struct stat open_file {
  }, named{};
  return ::fstat(fd, &open_file) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}

bool EndsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

JournalFile::~JournalFile() { Close(); }

JournalFile::JournalFile(JournalFile&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)) {
  other.fd_ = -1;
}

JournalFile& JournalFile::operator=(JournalFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    path_ = std::move(other.path_);
    other.fd_ = -1;
  }
  return *this;
}

int JournalFile::Create(const std::string& path, std::string_view text) {
  static std::atomic<unsigned> counter{0};
  const std::string stem =
      FolderOf(path) + "." + NameOf(path) + ".tmp-" + std::to_string(::getpid()) + "-";
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = stem + std::to_string(counter++);
    fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) return errno;
  }
  if (fd < 0) return EEXIST;
  int err = Lock(fd);
  if (!err) err = WriteAll(fd, text.data(), text.size());
  if (!err && ::fsync(fd) != 0) err = errno;
  if (!err && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(temp.c_str());
    ::close(fd);
    return err;
  }
  SyncFolder(FolderOf(path));
  Close();
  fd_ = fd;
  path_ = path;
  return 0;
}

int JournalFile::Append(std::string_view line) {
  if (fd_ < 0) return EBADF;
  int err = 0;
  if (AppendPause() && line.size() > 1) {
    const std::size_t half = line.size() / 2;
    err = WriteAll(fd_, line.data(), half);
    if (!err) AppendPause()();
    if (!err) err = WriteAll(fd_, line.data() + half, line.size() - half);
  } else {
    err = WriteAll(fd_, line.data(), line.size());
  }
  if (!err && ::fsync(fd_) != 0) err = errno;
  return err;
}

int JournalFile::Remove() {
  if (fd_ < 0) return 0;
  if (::unlink(path_.c_str()) != 0 && errno != ENOENT) return errno;
  SyncFolder(FolderOf(path_));
  Close();
  return 0;
}

void JournalFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

JournalFile::Claim JournalFile::ClaimExisting(const std::string& path, int& error) {
  Close();
  error = 0;
  int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  }
  if (fd < 0) {
    error = errno;
    return errno == ENOENT ? Claim::InUse : Claim::Failed;
  }
  const int locked = Lock(fd);
  // A journal replaced or removed while it was being opened belongs to a running session.
  if (locked != 0 || !SameFile(fd, path)) {
    ::close(fd);
    if (locked == EWOULDBLOCK || locked == 0) return Claim::InUse;
    error = locked;
    return Claim::Failed;
  }
  fd_ = fd;
  path_ = path;
  return Claim::Claimed;
}

std::vector<std::string> JournalFilesIn(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> journals;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::string prefix = std::string(".") + kJournalPrefix;
    if (name.rfind(kJournalPrefix, 0) == 0 && EndsWith(name, kJournalSuffix)) {
      std::error_code type_error;
      if (it->is_regular_file(type_error)) journals.push_back(folder + name);
    } else if (name.rfind(prefix, 0) == 0 &&
               name.find(std::string(kJournalSuffix) + ".tmp-") != std::string::npos) {
      // An interrupted Create, never renamed into place, so never a journal; a minute old, so
      // not one being written now.
      struct stat info {};
      const std::string path = folder + name;
      if (::stat(path.c_str(), &info) != 0 || ::time(nullptr) - info.st_mtime < 60) continue;
      JournalFile temp;
      int error = 0;
      if (temp.ClaimExisting(path, error) == JournalFile::Claim::Claimed) temp.Remove();
    }
  }
  std::sort(journals.begin(), journals.end());
  return journals;
}

void SetJournalAppendPauseForTesting(std::function<void()> pause) {
  AppendPause() = std::move(pause);
}

}  // namespace jovi
