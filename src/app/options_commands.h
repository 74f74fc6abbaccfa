// OptionsCommands: The instructor's options dialog and password.
#pragma once

namespace jovi {

class TSatLabForm1;

class OptionsCommands {
 public:
  explicit OptionsCommands(TSatLabForm1& form);
  ~OptionsCommands();
  OptionsCommands(const OptionsCommands&) = delete;
  OptionsCommands& operator=(const OptionsCommands&) = delete;

 private:
  TSatLabForm1& form_;
};

}  // namespace jovi
