#include "platform/user_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace jovi {

std::string LoggedInUserName() {
  constexpr std::size_t kMaxLength = 66;
  std::string name;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name) {
    name = pw->pw_name;
  } else if (const char* user = std::getenv("USER")) {
    name = user;
  }
  if (name.size() > kMaxLength) name.resize(kMaxLength);
  return name;
}

}  // namespace jovi
