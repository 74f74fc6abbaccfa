// Every core test starts from the program-wide state a freshly started program has: its own
// folder, the shipped leap-second table and the shipped coefficient file. A test that points
// them elsewhere (a session started on a temporary folder, say) cannot leak that into the
// tests after it, whatever order they run in.
#include <gtest/gtest.h>

#include "astro/coefficient_file.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"

namespace jovi {
namespace {

class FreshProgramState final : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    SetProgramDir("");
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    SetCoefficientFile("");
  }
};

const bool kInstalled = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgramState);
  return true;
}();

}  // namespace
}  // namespace jovi
