// The instructor's settings where the desktop's dialogs are not available (the browser): the
// options loaded as the program loads them at start-up, the instructor password asked by the
// desktop's rules, the options dialog's controls whose settings such an edition uses, stored
// by the dialog's own OK, and the options file written as the desktop writes it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/options_form.h"
#include "config/options_object.h"
#include "config/password_check.h"
#include "config/storage_environment.h"
#include "util/prompter.h"

namespace jovi {

// The options dialog's controls whose settings the browser edition uses (the steps, the
// animation, the Red Spot, the features it offers, both exercises' clouds, the lab table),
// in the order the settings page shows them. The password ("PWEd") is apart.
std::span<const char* const> BrowserOptionControls();

class InstructorSettings {
 public:
  // Loads the options as the program does at start-up: the data folder's file, else the
  // program folder's, else the defaults.
  InstructorSettings(StorageEnvironment& environment, Prompter& prompter);

  // "Password Required" with `typed`: Ok lets the instructor in; No asks again; Cancel after
  // the third wrong password, and for every attempt after it.
  Answer Unlock(std::string_view typed);
  bool Unlocked() const { return unlocked_; }
  // Leaving the settings: the password is asked again (the attempts made still count).
  void Lock() { unlocked_ = false; }

  // What the dialog's controls show now (the password unscrambled); empty while locked.
  OptionsFormEntries Shown() const;

  enum class Outcome {
    Stored,                // every setting taken
    PasswordChanged,       // taken, with the new password typed alike twice
    PasswordNotConfirmed,  // the other settings taken, the old password kept
    BadNumber,             // a number could not be read: nothing taken
    Locked,                // not unlocked: nothing taken
  };

  // The dialog's OK with `entries` for the browser's controls and the password (controls not
  // given keep what they show); `confirmation` is a changed password typed a second time.
  Outcome Apply(const OptionsFormEntries& entries, const std::string& confirmation);

  // The options file of the settings, byte for byte as the desktop saves it.
  std::vector<std::uint8_t> FileBytes() const;

  const OptsRec& Record() const { return options_.Record(); }

 private:
  Prompter& prompter_;
  OptsObj options_;
  PasswordCheck check_;
  bool unlocked_ = false;
  bool denied_ = false;
};

}  // namespace jovi
