#include "session/exercise_session.h"

#include <cmath>
#include <optional>

#include "astro/time_scales.h"
#include "config/login_id.h"
#include "config/password.h"
#include "config/user_folder.h"
#include "lists/reminder.h"
#include "platform/clock.h"
#include "platform/command_line.h"
#include "util/ascii_case.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr const char* kQuitCaption = "** Exercise Finished? **";
constexpr const char* kQuitShortcutId = "QXRTVN";
constexpr const char* kInstructorName = "Instructor";
constexpr const char* kDemonstrationName = "Demonstration";

// The day's clock shown before the first date is set: now, on the options' time zone.
DateTimeRec FirstObservationTime(float zone_hours) {
  DateTimeRec time;
  SetZoneAndNow(time, zone_hours);
  SetFromJD(time, StartOfUtDay(ToJD(time)));
  return time;
}

}  // namespace

Real StartOfUtDay(Real jd) { return std::floor(jd + 0.5_r) - 0.5_r; }

ExerciseSession::ExerciseSession(Prompter& prompter) : prompter_(prompter), journal_(prompter) {}
ExerciseSession::~ExerciseSession() = default;

bool ExerciseSession::Start(const std::vector<std::string>& arguments,
                            StorageEnvironment& environment) {
  options_ = std::make_unique<OptsObj>(prompter_);
  if (!options_->InitOptions(kOptionsFileName, kProgramVersion, environment)) return false;
  working_ = options_->Record();
  working_.UserDir.clear();
  SetLeapSecondFile(working_.ProgramDir + working_.LeapSecondTable);
  SetHelpItems(false, nullptr);
  observation_time_ = FirstObservationTime(working_.ZoneDiffHrs);
  mode_ = ExerciseModeFromArguments(ArgumentsText(arguments));
  return true;
}

void ExerciseSession::SetHelpItems(bool topics_from_main_list, SessionWindow* window) {
  menu_.OnHelp1.enabled = !working_.OnHelpFile.empty();
  menu_.OnHelp1.visible = menu_.OnHelpSep.visible = menu_.OnHelp1.enabled;
  menu_.User1.enabled = !working_.UserHelpFile.empty();
  menu_.User1.visible = menu_.UserSep.visible = menu_.User1.enabled;
  if (!topics_from_main_list) return;
  menu_.Topics1.enabled = !working_.MainHelpList.empty();
  if (menu_.Topics1.enabled && window) {
    window->LoadHelpList(working_.ProgramDir + working_.MainHelpList);
  }
}

bool ExerciseSession::LogIn(SessionWindow& window) {
  if (!working_.LoginRequired) {
    options_access_ = true;
    const bool configured = ConfigureSession(window);
    view_ = ViewState::Title;
    window.Repaint();
    if (configured) OfferRecovery();
    return configured;
  }
  window.ShowLoginDialog(students_);
  if (EqualsIgnoringAsciiCase(students_.StudentName[0], kInstructorName)) {
    window.RunInstructorPath();
  }
  window.SetBusy(true);
  view_ = ViewState::Title;
  logged_in_ = true;
  const bool configured = ConfigureSession(window);
  window.Repaint();
  window.SetBusy(false);
  if (configured) OfferRecovery();
  return configured;
}

void ExerciseSession::OfferRecovery() {
  if (journal_.Begun()) return;
  journal_.Begin(working_.UserDir, mode_, CurrentLocalSerial());
  if (!store_ || !events_) return;
  const RecoveredWork recovered = journal_.OfferRecovery(*store_, *events_);
  if (recovered.Measurements > 0) {
    SetDataSaved(false);
    EnableDataItems();
  }
  if (recovered.Events > 0) SetSavedEventsEnabled(true);
}

bool ExerciseSession::ConfigureSession(SessionWindow& window) {
  menu_.LogIn1.enabled = false;
  if (!logged_in_) {
    students_.StudentName[0] = kDemonstrationName;
    students_.LoginId = kDemoLoginId;
    view_ = ViewState::Title;
    logged_in_ = true;
  }
  if (working_.UserDir.empty()) {
    working_.UserDir = UserFolderFor(working_.DataDir, students_.LoginId);
    if (!EnsureUserFolder(working_.UserDir, prompter_)) return false;
  }
  if (working_.TestMode) {
    options_access_ = true;
    menu_.Preferences1 = {true, true};
    menu_.PrefSep.visible = true;
  }
  timing_ = {working_.ObsStepHrs, working_.AnimStepHrs, working_.AnimTimerMs};
  if (mode_ == ExerciseMode::None) mode_ = window.ShowExerciseChoice();
  ApplyExercise(window);
  // Run opens the telescope once; a later reconfiguration must not offer it again.
  if (view_ != ViewState::Telescope) menu_.Run1.enabled = true;
  menu_.Preferences1.enabled = true;
  log_ = std::make_unique<LogFileObj>(working_);
  log_->Init(kLogAppTag, LogPathFor(working_.LogFileName, working_.DataDir), &students_);
  log_->WriteLogin();
  image_centre_x_ = kTelescopeImageWidth / 2;
  image_centre_y_ = kTelescopeImageHeight / 2;
  return true;
}

void ExerciseSession::ApplyExercise(SessionWindow& window) {
  if (mode_ == ExerciseMode::None) return;
  const bool newton = mode_ == ExerciseMode::Newton;
  menu_.Caption = ExerciseCaption(mode_);
  const std::string& help_list = newton ? working_.MainHelpList : working_.RoemerHelpList;
  menu_.Topics1.enabled = !help_list.empty();
  if (menu_.Topics1.enabled) window.LoadHelpList(working_.ProgramDir + help_list);
  show_eclipse_zone_ = !newton;
  if (newton) menu_.DataSep.visible = menu_.Data1.visible = true;
  clouds_.CloudsEnabled = newton ? working_.NewtonClouds : working_.RoemerClouds;
  clouds_.CloudChance = (newton ? working_.NewtonCloudyPct : working_.RoemerCloudyPct) / 100.0_r;
  clouds_.CloudHours = newton ? working_.NewtonCloudHrs : working_.RoemerCloudHrs;
  clouds_.Clouded = false;
}

void ExerciseSession::Run() {
  menu_.Run1.enabled = false;
  menu_.Features1.enabled = menu_.ObservationDate1.enabled = menu_.Timing1.enabled = true;
  menu_.MoonEvents1.enabled = true;
  view_ = ViewState::Telescope;
  menu_.PanelsVisible = true;
  menu_.RecordBtnEnabled = mode_ == ExerciseMode::Roemer;
}

bool ExerciseSession::OptionsAndParameters(SessionWindow& window) {
  if (!options_access_) {
    prompter_.Tell(
        "INSTRUCTOR: Many features of this software are controlled by\r\n"
        "option switches and parameters that enable you to tailor the\r\n"
        "exercise to your own needs and preferences.\r\n\r\n"
        "See the technical documentation for details and instructions!",
        "USER OPTIONS!", Icon::Exclamation);
    return true;
  }
  if (window.ShowOptionsDialog()) {
    AcceptEditedOptions();
    SetHelpItems(true, &window);
    window.Repaint();
  }
  return ConfigureSession(window);
}

void ExerciseSession::InstructorPath(SessionWindow& window,
                                     const std::function<Answer(PasswordCheck&)>& ask_password) {
  PasswordCheck check;
  check.Init(UnscramblePassword(working_.PasswordWords, working_.PasswordLen));
  Answer result = Answer::Cancel;
  do {
    result = ask_password(check);
  } while (result == Answer::No && check.Attempts() < kPasswordAttempts);
  if (result != Answer::Ok) return;
  if (window.ShowOptionsDialog()) AcceptEditedOptions();
  SetHelpItems(true, &window);
  if (working_.TestMode) return;
  const Answer retain = prompter_.Ask(
      "Do you want to retain access to the Options dialog\r\n"
      "(via \"File\"->\"Preferences\" from the Main Menu) for\r\n"
      "the remainder of this session?",
      "Retain Options Access?", Buttons::YesNo, Icon::Question);
  options_access_ = retain == Answer::Yes;
  if (options_access_) menu_.Preferences1 = menu_.PrefSep = {true, true};
}

void ExerciseSession::AcceptEditedOptions() {
  working_ = options_->Record();
  options_modified_ = true;
  admin_save_pending_ = working_.Administrator;
  menu_.SaveUpdates1.enabled = true;
  SaveUpdatedOptions();
}

void ExerciseSession::SaveUpdatedOptions() {
  const Answer answer =
      prompter_.Ask("Save Updated Parameters in " + working_.DataDir + working_.OptsFileName + "?",
                    "Save Option Changes?", Buttons::YesNo, Icon::Question);
  if (answer == Answer::Yes) {
    options_->Record() = working_;
    // A failed save (already reported) stays offered, so the changes are not lost unasked.
    if (options_->SaveOptions(working_.DataDir)) {
      options_modified_ = false;
      menu_.SaveUpdates1.enabled = false;
    }
  }
  if (admin_save_pending_) OfferAdminDefaults();
}

void ExerciseSession::OfferAdminDefaults() {
  const Answer answer = prompter_.Ask(
      "Save Updated Parameters in " + working_.ProgramDir + working_.OptsFileName + "?",
      "Use As Defaults for All Users?", Buttons::YesNo, Icon::Question);
  if (answer != Answer::Yes) return;
  options_->Record() = working_;
  if (!options_->SaveOptions(working_.ProgramDir)) {
    options_->Record().Administrator = false;
    working_.Administrator = false;
  }
  admin_save_pending_ = false;
}

bool ExerciseSession::CloseQuery(SessionWindow& window) {
  loss_agreed_ = false;
  if (!NothingPending()) window.CommitPendingMeasurement();
  if (!DataSaved()) {
    const Answer answer = prompter_.Ask(
        "You have not saved your measurement data!\r\n\r\nDo you want to save it now?",
        "Data Will Be Lost!", Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel || answer == Answer::None) return false;
    if (answer == Answer::Yes) window.PopUpSaveMenu();
    loss_agreed_ = answer == Answer::No;
  }
  if (window.HotlistUnsaved()) {
    const Answer answer = prompter_.Ask(
        "You have not saved your updated hotlist.\r\nYou will loose your updates if you do "
        "not save them!\r\n\r\nDo you want to save the hotlist now?",
        "Hotlist Updated!", Buttons::YesNo, Icon::Stop);
    if (answer == Answer::Yes) window.SaveHotlist();
  }
  const bool close = quit_confirmed_ ||
                     (!working_.LoginRequired && students_.LoginId == kQuitShortcutId) ||
                     AskToQuit();
  quit_confirmed_ = close;
  if (!close) return false;
  if (options_modified_) {
    SaveUpdatedOptions();
    options_modified_ = false;
    admin_save_pending_ = false;
  } else if (admin_save_pending_) {
    OfferAdminDefaults();
  }
  return true;
}

bool ExerciseSession::AskToQuit() {
  std::optional<Answer> answer;
  if (view_ == ViewState::Telescope && !working_.ReminderFile.empty()) {
    answer = ShowReminder(working_.ProgramDir + working_.ReminderFile, kQuitCaption,
                          Buttons::OkCancel, Icon::Stop, prompter_);
  }
  if (!answer) {
    answer = prompter_.Ask("Are You Sure You Want to Quit This Exercise?", kQuitCaption,
                           Buttons::YesNo, Icon::Stop);
  }
  return *answer == Answer::Ok || *answer == Answer::Yes;
}

void ExerciseSession::Close() {
  // A save chosen at quitting that did not happen leaves the journal for the next login.
  journal_.End(DataSaved() || loss_agreed_);
  if (!log_) return;
  log_->WriteLogout();
  log_.reset();
}

const PrintHeaderLayout& ExerciseSession::PrintPageHeader(PrintSurface& surface) {
  DateTimeRec now;
  SetZoneAndNow(now, 0.0f);
  print_layout_ = PrintHeader(surface, students_, working_.LabTable, PrintClockText(now));
  return print_layout_;
}

WindowPicture ExerciseSession::Picture() const {
  using Placement = WindowPicture::Placement;
  switch (view_) {
    case ViewState::Splash:
      return {working_.ProgramDir + working_.LogoBmp, Placement::AtOrigin};
    case ViewState::Title:
      if (mode_ == ExerciseMode::Newton) {
        return {working_.ProgramDir + working_.TitleBmp, Placement::AtOrigin};
      }
      if (mode_ == ExerciseMode::Roemer) {
        return {working_.ProgramDir + working_.RoemerBmp, Placement::Stretched};
      }
      break;
    case ViewState::Telescope:
      break;
  }
  return {};
}

}  // namespace jovi
