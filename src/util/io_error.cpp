#include "util/io_error.h"

#include <cerrno>
#include <filesystem>

namespace jovi {

std::string IoErrorText(int code) {
  switch (code) {
    case io_code::kFileNotFound: return "File Not Found!";
    case io_code::kPathNotFound: return "Path Not Found!";
    case io_code::kTooManyOpenFiles: return "Too Many Open Files!";
    case io_code::kAccessDenied: return "File Access Denied!";
    case io_code::kEndOfFile: return "EOF!";
    case io_code::kDiskFull: return "Disk Full!";
    case io_code::kInvalidInput: return "Invalid Input!";
    default: return "IOResult = " + std::to_string(code);
  }
}

int IoCodeFromErrno(int err, const std::string& path) {
  switch (err) {
    case ENOENT: {
      // A missing folder on the way is a missing path, a missing last name a missing file.
      std::error_code ec;
      const std::filesystem::path parent = std::filesystem::path(path).parent_path();
      if (!parent.empty() && !std::filesystem::is_directory(parent, ec)) {
        return io_code::kPathNotFound;
      }
      return io_code::kFileNotFound;
    }
    case ENOTDIR: return io_code::kPathNotFound;
    case EMFILE:
    case ENFILE: return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return io_code::kAccessDenied;
    case ENOSPC:
    case EDQUOT: return io_code::kDiskFull;
    default: return err;
  }
}

}  // namespace jovi
