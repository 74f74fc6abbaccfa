// What the "Software Options" dialog decides: which field of the options each of its
// controls edits, what the controls show when the dialog opens, and what its OK and Cancel
// buttons store into the master record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "config/options_object.h"
#include "config/options_record.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

// A check box and its flag; `inverted` boxes are checked when the flag is false.
struct OptionCheckControl {
  const char* control;
  bool OptsRec::*field;
  bool inverted = false;
};

// A text edit and its field, cut to `length` characters on OK.
struct OptionTextControl {
  const char* control;
  std::string OptsRec::*field;
  std::size_t length;
};

// A numeric edit and its field. Integers show as integers; the others with `decimals`
// decimals. A 16-bit field keeps the low 16 bits of the integer typed.
struct OptionNumberControl {
  using Field = std::variant<std::int32_t OptsRec::*, std::uint16_t OptsRec::*,
                             Real OptsRec::*, float OptsRec::*>;
  const char* control;
  Field field;
  int decimals = 0;
};

// Every control, named as the dialog names its widgets; the numeric edits in the order OK
// converts them. The password edit "PWEd" is apart: it shows the unscrambled password.
std::span<const OptionCheckControl> OptionCheckControls();
std::span<const OptionTextControl> OptionTextControls();
std::span<const OptionNumberControl> OptionNumberControls();
inline constexpr const char* kPasswordControl = "PWEd";

// What the controls hold, by control name.
struct OptionsFormEntries {
  std::map<std::string, std::string, std::less<>> texts;
  std::map<std::string, bool, std::less<>> checks;
};

// The controls as they show `rec`.
OptionsFormEntries OptionsFormEntriesOf(const OptsRec& rec);

// The dialog's deciding part. It edits the master record of `options` (the dialog's options
// reference; null when the caller set none) and keeps a private copy of it for Cancel.
class OptionsForm {
 public:
  // Shows the typed new password for the second time and says whether it was typed alike.
  using ConfirmPassword = std::function<bool(const std::string& new_password)>;

  OptionsForm(OptsObj* options, Prompter& prompter) : options_(options), prompter_(prompter) {}

  // FormActivate: takes the private copy and gives what the controls show; nothing (after
  // the message) when no options object is referenced.
  std::optional<OptionsFormEntries> Activate();

  // OKBtnClick: stores the check boxes, the texts and the numbers, in that order, then a
  // changed password once `confirm` has seen it typed again. False when a number could not
  // be read: the message has been shown, the dialog stays open and the fields stored before
  // the bad one keep their new values. A numeric text left as it was shown keeps the exact
  // value it showed (no rounding to the shown decimals).
  bool Ok(const OptionsFormEntries& entries, const ConfirmPassword& confirm);

  // CancelBtnClick: the master record as it was when the dialog opened.
  void Cancel();

 private:
  bool StoreNumbers(const OptionsFormEntries& entries, OptsRec& rec);
  void StorePassword(const std::string& typed, OptsRec& rec, const ConfirmPassword& confirm);

  OptsObj* options_;
  Prompter& prompter_;
  std::optional<OptsRec> copy_;  // taken when the dialog opens
  OptionsFormEntries shown_;
};

// AdminBoxMouseUp: the box was just checked. Asks whether the instructor administers a
// multi-user installation; true when the box stays checked.
bool KeepAdministratorChecked(Prompter& prompter);

}  // namespace jovi
