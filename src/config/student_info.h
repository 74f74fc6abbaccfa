// The students working at one table in this run of the program.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace jovi {

struct StudentInfo {
  std::array<std::string, 4> StudentName;  // "Firstname...Lastname", 40 characters each
  std::string TableNumber;                 // as typed, 4 characters
  std::string LoginId;                     // 8 characters, see login_id.h
};

namespace student_text {
inline constexpr std::size_t kName = 40;
inline constexpr std::size_t kTable = 4;
inline constexpr std::size_t kLoginId = 8;
}  // namespace student_text

}  // namespace jovi
