// Fuzzes the reminder file ("REMINDER.jup") as the quit question shows it (ShowReminder): the
// message built from its lines never exceeds the 1023 characters of the original.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_file.h"
#include "lists/reminder.h"

namespace {

class Measuring final : public jovi::Prompter {
 public:
  jovi::Answer Ask(std::string_view text, std::string_view, jovi::Buttons, jovi::Icon) override {
    if (text.size() > jovi::kReminderLimit) std::abort();
    return jovi::Answer::Yes;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace jovi;
  const std::string path = fuzz::InputFile(data, size, "REMINDER.jup");
  Measuring prompter;
  const auto answer = ShowReminder(path, "Quit", Buttons::YesNoCancel, Icon::Question, prompter);
  if (!answer || *answer != Answer::Yes) std::abort();
  return 0;
}
