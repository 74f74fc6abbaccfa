// Saving and loading the light-time exercise's event list as a .CSV file (session/event_csv.h):
// the file dialogs they prepare, the messages, and whether the list is held by a file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "measure/measurement_file_commands.h"
#include "measure/event_record.h"
#include "util/prompter.h"

namespace jovi {

inline constexpr const char* kDefaultEventSaveName = "JupEvents1";
inline constexpr const char* kEventFileFilter = "Event List (.CSV) Files|*.CSV";
inline constexpr const char* kEventFileErrorCaption = "Event File Error";

class EventFileCommands {
 public:
  EventFileCommands(EventList& events, Prompter& prompter, FileDialogs& dialogs);

  // Writes the whole list to a chosen .CSV file (atomically). True when a file was written;
  // the list is then saved.
  bool Save(const std::string& user_dir, float zone_hours);
  // Reads a chosen file and adds its events after the list's own, leaving out those the list
  // already holds. A file that cannot be read or is damaged anywhere changes nothing and says
  // why. True when the file was read.
  bool Load(const std::string& user_dir, float zone_hours);

  // Everything in the list is in a file (the last save, or the one load into an empty list).
  bool Saved() const { return saved_; }
  // A record joined the list (Record) or came back from a journal.
  void ListChanged() { saved_ = false; }

  const std::string& LastPath() const { return last_path_; }
  // Run after a save with the records the file holds.
  void SetSavedHook(std::function<void(const std::vector<EventRecord>&)> hook) {
    saved_hook_ = std::move(hook);
  }

 private:
  FileDialogRequest Request(const std::string& user_dir) const;

  EventList& events_;
  Prompter& prompter_;
  FileDialogs& dialogs_;
  std::string last_path_;
  bool saved_ = true;
  std::function<void(const std::vector<EventRecord>&)> saved_hook_;
};

}  // namespace jovi
