#include "config/options_form.h"

#include <array>
#include <cmath>
#include <limits>

#include "config/password.h"
#include "util/number_text.h"
#include "util/real.h"
#include "util/utf8_text.h"

namespace jovi {

namespace {

using R = OptsRec;
constexpr std::size_t kName = option_text::kFileName;
constexpr std::size_t kLong = option_text::kLong;

constexpr std::array<OptionCheckControl, 16> kChecks{{
    {"DemoBox", &R::LoginRequired, true},
    {"TestBox", &R::TestMode},
    {"EditBox", &R::EditMode},
    {"IDMoonBox", &R::IdentifyMoon},
    {"DistanceBox", &R::ShowDistance},
    {"AutoRBox", &R::AutoRecord},
    {"RestartBox", &R::AllowRestart},
    {"AnimationBox", &R::AllowAnimation},
    {"TopViewBox", &R::AllowTopView},
    {"VisibilityBox", &R::EclipseVisibility},
    {"MonoBox", &R::MonoDisplay},
    {"ColorBox", &R::PrintColor},
    {"LogBox", &R::WriteLog},
    {"AdminBox", &R::Administrator},
    {"NCloudsBox", &R::NewtonClouds},
    {"RCloudsBox", &R::RoemerClouds},
}};

constexpr std::array<OptionTextControl, 17> kTexts{{
    {"TblNumEd", &R::LabTable, option_text::kLabTable},
    {"ZEVAURLEd", &R::HomeURL, kLong},
    {"LogoEd", &R::LogoBmp, kName},
    {"TitleEd", &R::TitleBmp, kName},
    {"RoemrEd", &R::RoemerBmp, kName},
    {"MnHlpEd", &R::MainHelpList, kName},
    {"RmrHlpEd", &R::RoemerHelpList, kName},
    {"AnalHlpEd", &R::AnalHelpList, kName},
    {"TopHlpEd", &R::TopViewHelpList, kName},
    {"UsrHlpEd", &R::UserHelpFile, kName},
    {"RmdrEd", &R::ReminderFile, kName},
    {"JupImgsEd", &R::JupImgsDir, kLong},
    {"OuterPlEd", &R::OuterPlanetTable, kName},
    {"LeapSecEd", &R::LeapSecondTable, kName},
    {"HtLstEd", &R::HotlistFile, kName},
    {"LogFlEd", &R::LogFileName, kLong},
    {"CloudImgsEd", &R::CloudImgsDir, kLong},
}};

// In the order OK converts them.
const std::array<OptionNumberControl, 9> kNumbers{{
    {"NCloudyEd", &R::NewtonCloudyPct},
    {"RCloudyEd", &R::RoemerCloudyPct},
    {"AnmStepEd", &R::AnimStepHrs, 4},
    {"ObsIntEd", &R::ObsStepHrs, 4},
    {"NDrtnEd", &R::NewtonCloudHrs, 2},
    {"RDrtnEd", &R::RoemerCloudHrs, 2},
    {"DispTmrEd", &R::AnimTimerMs},
    {"RSEd", &R::RedSpotLong, 1},
    {"ZnEd", &R::ZoneDiffHrs, 1},
}};

std::string NumberText(const OptionNumberControl& c, const OptsRec& rec) {
  return std::visit(
      [&](auto field) -> std::string {
        using T = std::remove_reference_t<decltype(rec.*field)>;
        if constexpr (std::is_integral_v<T>) {
          return std::to_string(rec.*field);
        } else {
          return FixedNumberText(rec.*field, c.decimals);
        }
      },
      c.field);
}

// Reads `text` into the field; false when it is not a number of the field's kind.
bool ReadNumber(const OptionNumberControl& c, const std::string& text, OptsRec& rec) {
  return std::visit(
      [&](auto field) -> bool {
        using T = std::remove_reference_t<decltype(rec.*field)>;
        if constexpr (std::is_integral_v<T>) {
          const std::optional<std::int32_t> value = ParseInteger(text);
          if (!value) return false;
          // The timer interval keeps the low 16 bits of what was typed.
          rec.*field = static_cast<T>(*value);
        } else {
          const std::optional<Real> value = ParseNumber(text);
          // A single that would overflow is no number for it either.
          if (!value || std::fabs(*value) > std::numeric_limits<T>::max()) return false;
          rec.*field = static_cast<T>(*value);
        }
        return true;
      },
      c.field);
}

const std::string& TextOf(const OptionsFormEntries& entries, const char* control) {
  static const std::string kEmpty;
  const auto it = entries.texts.find(control);
  return it == entries.texts.end() ? kEmpty : it->second;
}

}  // namespace

std::span<const OptionCheckControl> OptionCheckControls() { return kChecks; }
std::span<const OptionTextControl> OptionTextControls() { return kTexts; }
std::span<const OptionNumberControl> OptionNumberControls() { return kNumbers; }

OptionsFormEntries OptionsFormEntriesOf(const OptsRec& rec) {
  OptionsFormEntries entries;
  for (const OptionCheckControl& c : kChecks) entries.checks[c.control] = rec.*c.field != c.inverted;
  for (const OptionTextControl& c : kTexts) entries.texts[c.control] = rec.*c.field;
  for (const OptionNumberControl& c : kNumbers) entries.texts[c.control] = NumberText(c, rec);
  entries.texts[kPasswordControl] = UnscramblePassword(rec.PasswordWords, rec.PasswordLen);
  return entries;
}

std::optional<OptionsFormEntries> OptionsForm::Activate() {
  if (!options_) {
    prompter_.Tell("No Options Assigned!", "Cannot Modify Options!", Icon::Exclamation);
    return std::nullopt;
  }
  copy_ = options_->Record();
  shown_ = OptionsFormEntriesOf(*copy_);
  return shown_;
}

bool OptionsForm::Ok(const OptionsFormEntries& entries, const ConfirmPassword& confirm) {
  if (!options_) return true;
  OptsRec& rec = options_->Record();
  for (const OptionCheckControl& c : kChecks) {
    if (const auto it = entries.checks.find(c.control); it != entries.checks.end()) {
      rec.*c.field = it->second != c.inverted;
    }
  }
  for (const OptionTextControl& c : kTexts) {
    rec.*c.field = Utf8Prefix(TextOf(entries, c.control), c.length);
  }
  if (!StoreNumbers(entries, rec)) {
    prompter_.Tell("Numeric Conversion Error!\r\n\r\nVerify Values of Numeric Parameters.",
                   "Non-Numeric Value!", Icon::Stop);
    return false;
  }
  StorePassword(TextOf(entries, kPasswordControl), rec, confirm);
  return true;
}

bool OptionsForm::StoreNumbers(const OptionsFormEntries& entries, OptsRec& rec) {
  for (const OptionNumberControl& c : kNumbers) {
    const std::string& text = TextOf(entries, c.control);
    if (copy_ && text == TextOf(shown_, c.control)) {
      // Untouched: the value it showed, not its rounding to the shown decimals.
      std::visit([&](auto field) { rec.*field = (*copy_).*field; }, c.field);
    } else if (!ReadNumber(c, text, rec)) {
      return false;
    }
  }
  return true;
}

void OptionsForm::StorePassword(const std::string& typed, OptsRec& rec,
                                const ConfirmPassword& confirm) {
  const std::string new_password = Utf8Prefix(typed, option_text::kMaxPassword);
  // Exact comparison: a change of letter case is a change of password.
  if (new_password == UnscramblePassword(rec.PasswordWords, rec.PasswordLen)) return;
  if (confirm && confirm(new_password)) {
    ScramblePassword(new_password, rec.PasswordWords, rec.PasswordLen);
    prompter_.Tell("Password Change is Confirmed.\r\n\r\nYou Must Save " + rec.OptsFileName +
                       " To Complete the Change.",
                   "Password Confirmed", Icon::Information);
  } else {
    prompter_.Tell("Password Change Not Confirmed!\r\n\r\nCurrent Password Will Be Retained.",
                   "Password Not Changed!", Icon::Stop);
  }
}

void OptionsForm::Cancel() {
  if (options_ && copy_) options_->Record() = *copy_;
}

bool KeepAdministratorChecked(Prompter& prompter) {
  return prompter.Ask(
             "Are you the administrator of this program in a multi-user environment?\r\n"
             "(Do NOT check this box if you are the ONLY user.)",
             "Multi-User Environment?", Buttons::YesNo, Icon::Question) == Answer::Yes;
}

}  // namespace jovi
