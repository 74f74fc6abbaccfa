// jovitrack-cli: plain-text answers from the program's astronomy, one value per line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace jovi::cli {

// Runs one sub-command (args exclude the program name). Returns the exit status: 0 on success,
// 2 for bad input (after one line on `err`).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace jovi::cli
