#include "config/instructor_settings.h"

#include <array>

#include "config/options_file.h"
#include "config/password.h"

namespace jovi {

namespace {

constexpr std::array<const char*, 14> kBrowserControls{
    "TblNumEd",     "ObsIntEd",   "AnmStepEd",     "DispTmrEd", "RSEd",
    "AnimationBox", "TopViewBox", "VisibilityBox", "NCloudsBox", "NCloudyEd",
    "NDrtnEd",      "RCloudsBox", "RCloudyEd",     "RDrtnEd",
};

}  // namespace

std::span<const char* const> BrowserOptionControls() { return kBrowserControls; }

InstructorSettings::InstructorSettings(StorageEnvironment& environment, Prompter& prompter)
    : prompter_(prompter), options_(prompter) {
  if (!options_.InitOptions(kOptionsFileName, kProgramVersion, environment)) {
    options_.SetDefaults();
  }
  const OptsRec& rec = options_.Record();
  check_.Init(UnscramblePassword(rec.PasswordWords, rec.PasswordLen));
}

Answer InstructorSettings::Unlock(std::string_view typed) {
  if (unlocked_) return Answer::Ok;
  if (denied_) return Answer::Cancel;
  const Answer answer = check_.OKBtnClick(typed, prompter_);
  unlocked_ = answer == Answer::Ok;
  denied_ = answer == Answer::Cancel;
  return answer;
}

OptionsFormEntries InstructorSettings::Shown() const {
  return unlocked_ ? OptionsFormEntriesOf(options_.Record()) : OptionsFormEntries{};
}

InstructorSettings::Outcome InstructorSettings::Apply(const OptionsFormEntries& entries,
                                                      const std::string& confirmation) {
  if (!unlocked_) return Outcome::Locked;
  OptionsForm form(&options_, prompter_);
  OptionsFormEntries typed = *form.Activate();
  for (const auto& [control, text] : entries.texts) {
    if (typed.texts.contains(control)) typed.texts[control] = text;
  }
  for (const auto& [control, checked] : entries.checks) {
    if (typed.checks.contains(control)) typed.checks[control] = checked;
  }
  const std::string before = UnscramblePassword(Record().PasswordWords, Record().PasswordLen);
  bool asked = false;
  const bool ok = form.Ok(typed, [&](const std::string& new_password) {
    asked = true;
    return PasswordChangeConfirmed(&new_password, confirmation);
  });
  if (!ok) {
    // Unlike the desktop's dialog, which stays open, nothing half-stored is kept.
    form.Cancel();
    return Outcome::BadNumber;
  }
  if (!asked) return Outcome::Stored;
  const bool changed = UnscramblePassword(Record().PasswordWords, Record().PasswordLen) != before;
  if (changed) check_.Init(UnscramblePassword(Record().PasswordWords, Record().PasswordLen));
  return changed ? Outcome::PasswordChanged : Outcome::PasswordNotConfirmed;
}

std::vector<std::uint8_t> InstructorSettings::FileBytes() const {
  return EncodeOptions(options_.Record());
}

}  // namespace jovi
