// What the two password dialogs decide: "Password Required", which lets the instructor in
// after at most three attempts, and "Confirm Password Change", which has a new password typed
// a second time.
#pragma once

#include <string>
#include <string_view>

#include "util/prompter.h"

namespace jovi {

class PasswordCheck {
 public:
  // Init: the expected password (cut to 16 characters); no attempt made yet.
  void Init(std::string_view password);

  // OKBtnClick with `typed`: Ok for the expected password (exact, letter case counts); No
  // (ask again) for a wrong one; Cancel, after "Too Many Invalid Passwords!", for the third
  // wrong one.
  Answer OKBtnClick(std::string_view typed, Prompter& prompter);

  int Attempts() const { return attempts_; }

 private:
  std::string expected_;
  int attempts_ = 0;
};

inline constexpr int kPasswordAttempts = 3;

// "Confirm Password Change" OK: confirmed when a new password was given and `typed` is it,
// exactly.
bool PasswordChangeConfirmed(const std::string* new_password, std::string_view typed);

}  // namespace jovi
