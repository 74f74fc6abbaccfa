// Runs one jovitrack-cli command in the test process and keeps what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace jovi::test {

struct CliResult {
  int status;
  std::string out;
  std::string err;
};

inline CliResult RunCliCommand(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = cli::Run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace jovi::test
