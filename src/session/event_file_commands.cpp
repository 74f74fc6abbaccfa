#include "session/event_file_commands.h"

#include "session/event_csv.h"
#include "session/event_list_edits.h"
#include "util/atomic_file.h"

namespace jovi {

EventFileCommands::EventFileCommands(EventList& events, Prompter& prompter, FileDialogs& dialogs)
    : events_(events), prompter_(prompter), dialogs_(dialogs) {}

FileDialogRequest EventFileCommands::Request(const std::string& user_dir) const {
  FileDialogRequest request;
  request.default_extension = ".CSV";
  request.filter = kEventFileFilter;
  request.folder = user_dir;
  request.file_name = last_path_.empty() ? kDefaultEventSaveName : last_path_;
  return request;
}

bool EventFileCommands::Save(const std::string& user_dir, float zone_hours) {
  FileDialogRequest request = Request(user_dir);
  request.ask_before_overwrite = true;
  const std::optional<std::string> chosen = dialogs_.SavePath(request);
  if (!chosen) return false;
  const std::string& path = *chosen;
  if (UpperExtension(path) != ".CSV") {
    prompter_.Tell("File format (" + UpperExtension(path) + ") is invalid!  Must be .CSV",
                   "Cannot Save File!", Icon::Stop);
    return false;
  }
  const std::vector<EventRecord> records = EventRecords(events_);
  const FileWriteResult result = WriteFileAtomically(path, EventCsvText(records, zone_hours));
  if (!result.Ok()) {
    prompter_.Tell("Unable to open " + path + " for output.\r\nEvents not saved!\r\n\r\n" +
                       result.Description() + ".",
                   "File Error", Icon::Stop);
    return false;
  }
  last_path_ = path;
  saved_ = true;
  if (saved_hook_) saved_hook_(records);
  return true;
}

bool EventFileCommands::Load(const std::string& user_dir, float zone_hours) {
  const std::optional<std::string> chosen = dialogs_.OpenPath(Request(user_dir));
  if (!chosen) return false;
  const std::string& path = *chosen;
  const FileBytes bytes = ReadWholeFile(path);
  if (!bytes.Ok()) {
    FileWriteResult why;
    why.error = bytes.error;
    prompter_.Tell("\"" + path + "\" cannot be read: " + why.Description() +
                       ".\r\n\r\nThe event list was left as it was.",
                   kEventFileErrorCaption, Icon::Stop);
    return false;
  }
  const EventCsvContent content = ReadEventCsv(bytes.bytes, zone_hours);
  if (!content.Ok()) {
    prompter_.Tell("\"" + path + "\" is not a usable event list: " + content.Error +
                       ".\r\n\r\nThe event list was left as it was.",
                   kEventFileErrorCaption, Icon::Stop);
    return false;
  }
  const bool was_empty = events_.IsEmpty();
  const int added = AddNewEvents(events_, content.Records);
  last_path_ = path;
  if (was_empty) {
    saved_ = true;
  } else if (added > 0) {
    saved_ = false;
  }
  const std::size_t already = content.Records.size() - static_cast<std::size_t>(added);
  std::string text = "Events loaded from " + path + ": " + std::to_string(added) + " added";
  if (already > 0) {
    text += ", ";
    text += std::to_string(already);
    text += " already in the list";
  }
  text += '.';
  prompter_.Tell(text, "Events Loaded", Icon::Information);
  return true;
}

}  // namespace jovi
