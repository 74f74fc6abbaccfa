// Writes the shipped default hotlist "HotDates.htl": dates computed with the program's own
// phenomena, satellite scene and mutual-events search, written by the program's own hotlist
// writer.
//
// Usage: make_default_hotlist OUTPUT COEFFICIENT_FILE LEAP_SECOND_FILE
#include <cstdio>

#include "astro/coefficient_file.h"
#include "astro/time_scales.h"
#include "lists/hotlist_dates.h"
#include "lists/hotlist_file.h"
#include "lists/hotlist_model.h"
#include "util/prompter.h"

namespace {

// Any message of the ephemerides means the dates cannot be trusted.
class FailingPrompter final : public jovi::Prompter {
 public:
  jovi::Answer Ask(std::string_view text, std::string_view, jovi::Buttons, jovi::Icon) override {
    std::fprintf(stderr, "make_default_hotlist: %.*s\n", static_cast<int>(text.size()),
                 text.data());
    failed = true;
    return jovi::Answer::Ok;
  }
  bool failed = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_default_hotlist OUTPUT COEFFICIENT_FILE LEAP_SECOND_FILE\n");
    return 2;
  }
  jovi::SetCoefficientFile(argv[2]);
  jovi::SetLeapSecondFile(argv[3]);
  FailingPrompter prompter;
  jovi::SetProgramPrompter(&prompter);
  jovi::HotlistEntries entries;
  for (const jovi::HotlistEntry& e : jovi::DefaultHotlistDates(2022, 2028, prompter)) {
    entries.InsertOrdered(e);
  }
  if (prompter.failed) return 1;
  const jovi::FileWriteResult written = jovi::WriteHotlistFile(argv[1], entries);
  if (!written.Ok()) {
    std::fprintf(stderr, "make_default_hotlist: %s: %s\n", argv[1], written.Description().c_str());
    return 1;
  }
  std::printf("make_default_hotlist: %d dates written to %s\n", entries.Count(), argv[1]);
  return 0;
}
