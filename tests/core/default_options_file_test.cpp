#include <gtest/gtest.h>

#include "config/options_file.h"
#include "config/options_record.h"
#include "platform/program_dir.h"
#include "util/atomic_file.h"
#include "util/real.h"

namespace jovi {
namespace {

// The options file shipped beside the program is the defaults, in the program's own format.
TEST(DefaultOptionsFile, IsTheDefaultsAndReadsBack) {
  if constexpr (!kRealIsExtended) {
    GTEST_SKIP() << "the shipped steps are exact 80-bit values; a double Real writes its own";
  }
  const FileBytes file = ReadWholeFile(ProgramDir() + "JUP_OPTS.INI");
  ASSERT_TRUE(file.Ok()) << ProgramDir();
  ASSERT_EQ(file.bytes.size(), kOptionsFileSize);
  const std::vector<std::uint8_t> bytes(file.bytes.begin(), file.bytes.end());

  OptsRec defaults;
  SetDefaultOptions(defaults);
  EXPECT_EQ(bytes, EncodeOptions(defaults));

  OptsRec read;
  read.LoginRequired = !defaults.LoginRequired;  // something the file must put right
  read.AnimStepHrs = 99;
  ASSERT_TRUE(DecodeOptionsVersion(bytes, read));
  EXPECT_EQ(DecodeOptionsFields(bytes, read), OptionsDecoding::Complete);
  EXPECT_EQ(read.FileVersion, "2.114");
  EXPECT_EQ(read.LoginRequired, defaults.LoginRequired);
  EXPECT_EQ(read.AnimStepHrs, defaults.AnimStepHrs);
  EXPECT_EQ(EncodeOptions(read), bytes);
}

}  // namespace
}  // namespace jovi
