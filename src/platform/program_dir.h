// Where the shipped data files lie.
#pragma once

#include <string>

namespace jovi {

// The program's folder, ending with "/": the executable's own folder when the shipped data lie
// beside it (a build tree, an unpacked archive), otherwise the installed data folder.
std::string ProgramDir();

// Overrides ProgramDir (tests, or a folder given on start-up); empty restores the default.
void SetProgramDir(const std::string& dir);

// The folder of the running executable, ending with "/".
std::string ExecutableDir();

// `dir` with exactly one "/" at its end.
std::string WithTrailingSlash(std::string dir);

}  // namespace jovi
