// The reminder shown when a student quits an exercise: the text of a file beside the
// program, followed by the question of how to go on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "util/prompter.h"

namespace jovi {

inline constexpr std::size_t kReminderLimit = 1023;

// The message for the file's lines: each line (its first 255 characters) and CR LF, then
// CR LF and the closing question; the whole never longer than 1023 characters, what does not
// fit being dropped.
std::string ReminderText(const std::vector<std::string>& lines);

// Shows the reminder read from `path` and returns the button pressed. When the file cannot be
// read it shows "Cannot Access Reminder File!" and returns nothing, so the caller can fall back
// to its plain question.
std::optional<Answer> ShowReminder(const std::string& path, const std::string& caption,
                                   Buttons buttons, Icon icon, Prompter& prompter);

}  // namespace jovi
