#include <cstdio>
#include <cstring>

#include "app/jovi_application.h"
#include "app/sat_lab_form.h"
#include "jovi_version.h"
#include "util/ui/message_box_prompter.h"

namespace {

// The manual page is made from this text (help2man), so it is the one place that tells how
// the program is started.
constexpr const char* kHelp =
    "Usage: jovitrack [NEWTON | ROEMER]\n"
    "Jupiter's moons laboratory: observe Jupiter and its four large moons through a simulated\n"
    "telescope, measure the moons and fit their orbits to find Jupiter's mass, or time Io's\n"
    "eclipses to find the speed of light.\n"
    "\n"
    "Exercises:\n"
    "  NEWTON                     the orbits of the moons and the mass of Jupiter (Jovitrack)\n"
    "  ROEMER                     the speed of light from Io's eclipses (Lumitrack)\n"
    "\n"
    "Without a word the student chooses the exercise after logging in.\n"
    "\n"
    "Options:\n"
    "  -h, --help                 print this text and exit\n"
    "  --version                  print the version and exit\n";

// --help and --version answer on standard output before any window, so without a display.
bool AnswersInformationOption(int argc, char** argv, int& status) {
  if (argc != 2) return false;
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fputs(kHelp, stdout);
  } else if (std::strcmp(argv[1], "--version") == 0) {
    std::fputs("jovitrack " JOVI_VERSION "\n", stdout);
  } else {
    return false;
  }
  status = std::fflush(stdout) == 0 ? 0 : 1;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int status = 1;
  if (AnswersInformationOption(argc, argv, status)) return status;
  jovi::JoviApplication app(argc, argv);
  jovi::MessageBoxPrompter prompter;
  jovi::SetProgramPrompter(&prompter);
  {
    jovi::TSatLabForm1 form(QCoreApplication::arguments());
    if (form.Started()) {
      prompter.SetParent(&form);
      form.show();
      status = QApplication::exec();
    }
  }
  jovi::SetProgramPrompter(nullptr);
  return status;
}
