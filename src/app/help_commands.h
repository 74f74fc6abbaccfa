// HelpCommands: The help menus and windows, and the date hotlist.
#pragma once

namespace jovi {

class TSatLabForm1;

class HelpCommands {
 public:
  explicit HelpCommands(TSatLabForm1& form);
  ~HelpCommands();
  HelpCommands(const HelpCommands&) = delete;
  HelpCommands& operator=(const HelpCommands&) = delete;

 private:
  TSatLabForm1& form_;
};

}  // namespace jovi
