// The students' own folder: DataDir + "Users/" + their login identifier + "/".
#pragma once

#include <string>

#include "util/prompter.h"

namespace jovi {

// The folder for `login_id` below `data_dir` (which ends with "/"). The identifier is made
// safe for a folder name first (login_id.h), so the folder always lies inside
// `data_dir` + "Users/".
std::string UserFolderFor(const std::string& data_dir, const std::string& login_id);

// Creates `user_dir` with its parents when missing. When that fails it says so ("Application
// will terminate!") and returns false: the program must end.
bool EnsureUserFolder(const std::string& user_dir, Prompter& prompter);

}  // namespace jovi
