// The short login identifier derived from the first student's name, and the folder name that
// stands for it on disk.
#pragma once

#include <string>
#include <string_view>

namespace jovi {

// The first character of the name followed by what comes after its first space, cut to 8
// characters ("John Smith" gives "JSmith", "Mary Ann Jones" "MAnn Jon"); without a space the
// first 8 characters ("Instructor" gives "Instruct").
std::string LoginIdentifier(std::string_view first_name);

// A name for the identifier's folder that stays inside the folder it is joined to: "/", "%",
// control characters and a leading "." are written as "%XX" (hex), everything else is kept.
// The same identifier always gives the same name, and different identifiers different names.
std::string SafeFolderName(std::string_view login_id);

// The identifiers the program gives itself.
inline constexpr const char* kNoLoginId = "NOLOG";
inline constexpr const char* kDemoLoginId = "DEMO";

}  // namespace jovi
