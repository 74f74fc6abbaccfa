#include "config/user_folder.h"

#include "config/login_id.h"
#include "platform/folders.h"

namespace jovi {

std::string UserFolderFor(const std::string& data_dir, const std::string& login_id) {
  const std::string name = SafeFolderName(login_id);
  return data_dir + "Users/" + (name.empty() ? "" : name + "/");
}

bool EnsureUserFolder(const std::string& user_dir, Prompter& prompter) {
  if (FolderExists(user_dir) || CreateFolderWithParents(user_dir)) return true;
  prompter.Tell("Unable to create directory \"" + user_dir +
                    "\"\r\n\r\nApplication will terminate!",
                "Write-Enabled Storage Required", Icon::Stop);
  return false;
}

}  // namespace jovi
