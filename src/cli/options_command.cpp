// jovitrack-cli options FILE: an options file as the desktop program reads it, each setting as
// its "Software Options" dialog shows it.
#include <span>

#include "cli/commands.h"
#include "config/options_file.h"
#include "config/options_form.h"
#include "config/options_version.h"
#include "util/atomic_file.h"

namespace jovi::cli {

void OptionsCommand(const Args& args, std::ostream& out) {
  ExpectCount(args, 1, 1, "jovitrack-cli options FILE");
  const FileBytes file = ReadWholeFile(args[0]);
  if (!file.Ok()) throw DataError(args[0] + ": cannot be read");
  const std::span<const std::uint8_t> bytes(
      reinterpret_cast<const std::uint8_t*>(file.bytes.data()), file.bytes.size());
  // The program's reader, field by field; unlike the program, an obsolete file is only
  // reported, never deleted.
  OptsRec rec;
  SetDefaultOptions(rec);
  rec.ProgVersion = kProgramVersion;
  if (!DecodeOptionsVersion(bytes, rec)) throw DataError(args[0] + ": not an options file");
  if (!VersionsCompatible(rec.ProgVersion, rec.FileVersion)) {
    throw DataError(args[0] + ": an obsolete options file (version " + rec.FileVersion + ")");
  }
  if (DecodeOptionsFields(bytes, rec) != OptionsDecoding::Complete) {
    throw DataError(args[0] + ": not an options file of " + std::to_string(kOptionsFileSize) +
                    " bytes");
  }
  const OptionsFormEntries shown = OptionsFormEntriesOf(rec);
  for (const OptionCheckControl& c : OptionCheckControls()) {
    out << c.control << '=' << (shown.checks.at(c.control) ? 1 : 0) << '\n';
  }
  for (const OptionTextControl& c : OptionTextControls()) {
    out << c.control << '=' << shown.texts.at(c.control) << '\n';
  }
  for (const OptionNumberControl& c : OptionNumberControls()) {
    out << c.control << '=' << shown.texts.at(c.control) << '\n';
  }
}

}  // namespace jovi::cli
