// EventCommands: The light-time exercise's event records, the phenomena list and the top view.
#pragma once

namespace jovi {

class TSatLabForm1;

class EventCommands {
 public:
  explicit EventCommands(TSatLabForm1& form);
  ~EventCommands();
  EventCommands(const EventCommands&) = delete;
  EventCommands& operator=(const EventCommands&) = delete;

 private:
  TSatLabForm1& form_;
};

}  // namespace jovi
