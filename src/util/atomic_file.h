// Writing a whole file so that it is either completely new or untouched: the bytes go into a
// temporary file in the same folder, which is flushed to disk and then renamed over the target.
// A failure part way (disk full, file too large, no permission) leaves the previous file as it
// was and no temporary file behind. Every file the program writes goes through here, except
// the session journal, which appends checksummed lines (journal/journal_file.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace jovi {

struct FileWriteResult {
  int error = 0;  // errno of the failed step, 0 on success
  bool Ok() const { return error == 0; }
  // The platform's own description of the error ("No space left on device").
  std::string Description() const;
};

// Replaces (or creates) `path` with `bytes`. An existing file keeps its permission bits.
FileWriteResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view text);

// Appends `bytes` to `path` (created when missing) by writing the old content and the new
// bytes into a fresh file that replaces the old one, so a failed append never damages what
// the file held before.
FileWriteResult AppendFileAtomically(const std::string& path, std::string_view text);

// Reads a whole file; `error` is the errno of a failure (ENOENT for a missing file).
struct FileBytes {
  int error = 0;
  std::string bytes;
  bool Ok() const { return error == 0; }
};
FileBytes ReadWholeFile(const std::string& path);

}  // namespace jovi
