#include "util/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "util/write_all.h"

namespace jovi {

namespace {

// Closes a descriptor once; the first close error is kept.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  int Close() {
    if (fd_ < 0) return 0;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// A new, empty file beside `path` that no other writer can have open. Fills `temp_path`.
int CreateTemporaryBeside(const std::string& path, std::string& temp_path) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path target(path);
  const std::string stem = FolderOf(path) + "/." + target.filename().string() + ".tmp-" +
                           std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp_path = stem + std::to_string(counter++);
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -errno;
  }
  return -EEXIST;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename itself has already happened
  ::close(fd);
}

FileWriteResult WriteParts(const std::string& path, std::string_view first,
                           std::string_view second) {
  std::string temp_path;
  const int created = CreateTemporaryBeside(path, temp_path);
  if (created < 0) return {-created};
  Descriptor fd(created);
  int err = 0;
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ::fchmod(fd.Get(), old.st_mode & 07777);  // keep the old file's permissions
  }
  if (!err) err = WriteAll(fd.Get(), first.data(), first.size());
  if (!err) err = WriteAll(fd.Get(), second.data(), second.size());
  if (!err && ::fsync(fd.Get()) != 0) err = errno;
  const int close_err = fd.Close();
  if (!err) err = close_err;
  if (!err && ::rename(temp_path.c_str(), path.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(temp_path.c_str());
    return {err};
  }
  SyncFolder(FolderOf(path));
  return {};
}

std::string_view AsText(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::string FileWriteResult::Description() const { return std::generic_category().message(error); }

FileWriteResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  return WriteParts(path, AsText(bytes), {});
}

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view text) {
  return WriteParts(path, text, {});
}

FileWriteResult AppendFileAtomically(const std::string& path, std::string_view text) {
  const FileBytes old = ReadWholeFile(path);
  if (!old.Ok() && old.error != ENOENT) return {old.error};
  return WriteParts(path, old.bytes, text);
}

FileBytes ReadWholeFile(const std::string& path) {
  FileBytes result;
  const int raw = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (raw < 0) {
    result.error = errno;
    return result;
  }
  Descriptor fd(raw);
  char buf[8192];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.error = errno;
      result.bytes.clear();
      return result;
    }
    if (n == 0) break;
    result.bytes.append(buf, static_cast<std::size_t>(n));
  }
  return result;
}

}  // namespace jovi
