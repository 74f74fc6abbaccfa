// The name of the account the program runs under.
#pragma once

#include <string>

namespace jovi {

// The account name (from the user database, else $USER), at most 66 characters; empty when
// neither knows it.
std::string LoggedInUserName();

}  // namespace jovi
