#include "config/storage_environment.h"

#include "platform/folders.h"
#include "platform/optical_media.h"
#include "platform/program_dir.h"
#include "platform/user_name.h"

namespace jovi {

std::string SystemStorageEnvironment::ProgramFolder() { return ProgramDir(); }
std::string SystemStorageEnvironment::WorkingFolder() { return CurrentWorkingFolder(); }
bool SystemStorageEnvironment::SetWorkingFolder(const std::string& folder) {
  return SetCurrentWorkingFolder(folder);
}
std::string SystemStorageEnvironment::UserName() { return LoggedInUserName(); }
std::string SystemStorageEnvironment::PerUserFolder(const std::string& user) {
  return PerUserDataFolder(user);
}
std::string SystemStorageEnvironment::OpticalMediaRoot() { return FindOpticalMediaRoot(); }

}  // namespace jovi
