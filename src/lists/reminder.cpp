#include "lists/reminder.h"

#include <algorithm>

#include "util/io_error.h"
#include "util/text_file.h"

namespace jovi {

namespace {

constexpr std::size_t kMaxLineRead = 255;

void AppendLimited(std::string& text, std::string_view more) {
  const std::size_t room = kReminderLimit - std::min(text.size(), kReminderLimit);
  text.append(more.substr(0, room));
}

}  // namespace

std::string ReminderText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    AppendLimited(text, std::string_view(line).substr(0, kMaxLineRead));
    AppendLimited(text, "\r\n");
  }
  AppendLimited(text, "\r\n");
  AppendLimited(text, "Select \"OK\" to Quit Exercise, \"Cancel\" to Continue.");
  return text;
}

std::optional<Answer> ShowReminder(const std::string& path, const std::string& caption,
                                   Buttons buttons, Icon icon, Prompter& prompter) {
  const TextFileLines file = ReadTextLines(path);
  if (!file.Ok()) {
    prompter.Tell("Cannot Access Reminder File!\r\nFile Name: " + path + "\r\n\r\n" +
                      IoErrorText(file.code),
                  "File Error!", Icon::Stop);
    return std::nullopt;
  }
  return prompter.Ask(ReminderText(file.lines), caption, buttons, icon);
}

}  // namespace jovi
