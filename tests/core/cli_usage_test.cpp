#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace jovi {
namespace {

using test::CliResult;
using test::RunCliCommand;

// The command names --help lists under "Commands:", in order.
std::vector<std::string> ListedCommands(const std::string& help) {
  std::istringstream lines(help);
  std::vector<std::string> names;
  bool in_commands = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] != ' ') {
      in_commands = line == "Commands:";
      continue;
    }
    // A command's description may go on in lines indented further.
    if (in_commands && line.size() > 2 && line[2] != ' ')
      names.push_back(line.substr(2, line.find(' ', 2) - 2));
  }
  return names;
}

TEST(CliUsage, HelpListsEveryCommandItRuns) {
  for (const char* option : {"--help", "-h"}) {
    const CliResult r = RunCliCommand({option});
    EXPECT_EQ(r.status, 0) << option;
    EXPECT_EQ(r.err, "") << option;
    EXPECT_EQ(r.out.rfind("Usage: jovitrack-cli COMMAND ARGS...\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n  --version "), std::string::npos) << r.out;
  }
  const std::vector<std::string> names = ListedCommands(RunCliCommand({"--help"}).out);
  EXPECT_GE(names.size(), 9u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
  for (const std::string& name : names) {
    // Each listed command is one the tool runs (without its arguments it may refuse them).
    const CliResult r = RunCliCommand({name});
    EXPECT_EQ(r.err.find("unknown command"), std::string::npos) << name << ": " << r.err;
  }
  EXPECT_NE(RunCliCommand({"nonsense"}).err.find("unknown command 'nonsense'"), std::string::npos);
}

TEST(CliUsage, NoCommandPrintsTheUsageAsAnError) {
  const CliResult r = RunCliCommand({});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, RunCliCommand({"--help"}).out);
}

TEST(CliUsage, VersionIsTheProjectsVersion) {
  const CliResult r = RunCliCommand({"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "jovitrack-cli " JOVI_PROJECT_VERSION "\n");
}

}  // namespace
}  // namespace jovi
