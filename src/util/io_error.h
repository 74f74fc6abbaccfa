// Result codes of file operations and the texts the program shows for them.
#pragma once

#include <string>

namespace jovi {

namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kEndOfFile = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidInput = 106;
}  // namespace io_code

// "File Not Found!", "Path Not Found!", ... or "IOResult = <code>".
std::string IoErrorText(int code);

// The result code for an errno value left by a failed open or write of `path`.
int IoCodeFromErrno(int err, const std::string& path);

}  // namespace jovi
