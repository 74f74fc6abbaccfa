#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/stream_prompter.h"
#include "util/prompter.h"

int main(int argc, char** argv) {
  // The program's messages (a missing data file, say) go to stderr; the work goes on.
  jovi::cli::StreamPrompter prompter(std::cerr);
  jovi::SetProgramPrompter(&prompter);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return jovi::cli::Run(args, std::cout, std::cerr);
}
