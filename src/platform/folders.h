// Folders and files as the operating system has them. Folder texts end with "/".
#pragma once

#include <string>

namespace jovi {

// The current working folder, ending with "/"; empty when it cannot be had (deleted folder).
std::string CurrentWorkingFolder();
bool SetCurrentWorkingFolder(const std::string& folder);

bool FolderExists(const std::string& folder);
// Creates `folder` with its missing parents; true when it exists afterwards.
bool CreateFolderWithParents(const std::string& folder);
bool FileExists(const std::string& path);  // a regular file (or a link to one)
bool RemoveFile(const std::string& path);  // true when no file is left there

// The per-user folder of the program, "$XDG_DATA_HOME/ZEVA/SatLab/" (by default
// "~/.local/share/ZEVA/SatLab/"). Without any home folder it falls back to "/home/<user>/...".
std::string PerUserDataFolder(const std::string& user);

// The per-user configuration folder of the organisation, "$XDG_CONFIG_HOME/ZEVA/" (by default
// "~/.config/ZEVA/"), with the same fall-back.
std::string PerUserConfigFolder(const std::string& user);

}  // namespace jovi
