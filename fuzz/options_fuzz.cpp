// Fuzzes the loading of the options file "JUP_OPTS.INI" as the program loads it at start-up
// (OptsObj::LoadOptions), then what it does with what was read: the options dialog shows every
// field, and saving writes a file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "config/options_file.h"
#include "config/options_form.h"
#include "config/options_object.h"
#include "config/options_record.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::string path = fuzz::InputFile(data, size, "JUP_OPTS.INI");
  SilentPrompter silent;
  OptsObj options(silent);
  options.SetDefaults();
  options.Record().ProgVersion = kProgramVersion;
  options.LoadOptions(path);  // an obsolete file is removed, as the program does
  const OptsRec& rec = options.Record();
  const OptionsFormEntries shown = OptionsFormEntriesOf(rec);
  if (shown.texts.empty()) std::abort();

  const std::vector<std::uint8_t> bytes = EncodeOptions(rec);
  if (bytes.size() != kOptionsFileSize) std::abort();
  OptsRec again;
  if (!DecodeOptionsVersion(bytes, again)) std::abort();
  if (DecodeOptionsFields(bytes, again) != OptionsDecoding::Complete) std::abort();
  if (EncodeOptions(again) != bytes) std::abort();
  return 0;
}
