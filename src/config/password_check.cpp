#include "config/password_check.h"

#include "config/options_record.h"
#include "util/utf8_text.h"

namespace jovi {

void PasswordCheck::Init(std::string_view password) {
  expected_ = Utf8Prefix(password, option_text::kMaxPassword);
  attempts_ = 0;
}

Answer PasswordCheck::OKBtnClick(std::string_view typed, Prompter& prompter) {
  ++attempts_;
  if (typed == expected_) return Answer::Ok;
  if (attempts_ < kPasswordAttempts) return Answer::No;
  prompter.Tell("Too Many Invalid Passwords!", "Options Access Denied!", Icon::Stop);
  return Answer::Cancel;
}

bool PasswordChangeConfirmed(const std::string* new_password, std::string_view typed) {
  return new_password && typed == *new_password;
}

}  // namespace jovi
