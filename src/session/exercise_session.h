// ExerciseSession: the state of one run of the program behind the main window, and every
// decision of its start-up, login, session configuration, Run and quitting. The window shows
// what this decides (MainMenuState, the picture to paint) and opens the dialogs it asks for.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "astro/date_time.h"
#include "config/exercise_mode.h"
#include "config/options_object.h"
#include "config/password_check.h"
#include "config/student_info.h"
#include "config/usage_log.h"
#include "journal/session_journal.h"
#include "measure/measurement_store.h"
#include "report/print_header.h"
#include "session/main_menu_state.h"
#include "session/session_settings.h"
#include "session/session_window.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

enum class ViewState : std::uint8_t { Splash = 0, Title = 1, Telescope = 2 };

// The picture the window paints outside the telescope view.
struct WindowPicture {
  enum class Placement { None, AtOrigin, Stretched };
  std::string path;  // empty with Placement::None
  Placement placement = Placement::None;
};

// The telescope field the moons are drawn on.
inline constexpr int kTelescopeImageWidth = 630;
inline constexpr int kTelescopeImageHeight = 326;

class ExerciseSession {
 public:
  explicit ExerciseSession(Prompter& prompter);
  ~ExerciseSession();
  ExerciseSession(const ExerciseSession&) = delete;
  ExerciseSession& operator=(const ExerciseSession&) = delete;

  // The main window's creation: options and folders, the help items, the first observation
  // time (0h UT today) and the exercise named on the command line (`arguments` as argv).
  // False when the program must end.
  bool Start(const std::vector<std::string>& arguments, StorageEnvironment& environment);

  // File > "&Log In...". False when the program must end (no user folder).
  bool LogIn(SessionWindow& window);
  // The set-up after login and after each use of the options dialog. False when the
  // program must end.
  bool ConfigureSession(SessionWindow& window);
  // File > "&Run..." (the date dialog comes first once it exists).
  void Run();
  // Preferences > "&Options and Parameters...". False when the program must end.
  bool OptionsAndParameters(SessionWindow& window);
  // The instructor's way in after logging in as "Instructor": the password, the options
  // dialog, the Help menu, and whether Preferences stay open for the rest of the session.
  // `ask_password` shows "Password Required" once and gives its result: Ok, No (ask again)
  // or Cancel.
  void InstructorPath(SessionWindow& window,
                      const std::function<Answer(PasswordCheck&)>& ask_password);
  // The options dialog closed with OK: take the master record over and offer to save it.
  void AcceptEditedOptions();
  // Preferences > "&Save Updates", and the question after every change of the options.
  void SaveUpdatedOptions();
  void OfferAdminDefaults();

  // The quit questions, in order; true when the window may close.
  bool CloseQuery(SessionWindow& window);
  // The window closes: the journal is removed when the work is safe (saved, or the student
  // agreed to lose it), then the usage log's logout block, then the log is discarded.
  void Close();

  // The heading of a printed page; the layout is kept for the caller.
  const PrintHeaderLayout& PrintPageHeader(PrintSurface& surface);

  WindowPicture Picture() const;

  const MainMenuState& Menu() const { return menu_; }
  ExerciseMode Mode() const { return mode_; }
  ViewState View() const { return view_; }
  bool LoggedIn() const { return logged_in_; }
  bool QuitConfirmed() const { return quit_confirmed_; }
  bool OptionsAccess() const { return options_access_; }
  bool OptionsModified() const { return options_modified_; }
  bool AdminSavePending() const { return admin_save_pending_; }
  const StudentInfo& Students() const { return students_; }
  const OptsRec& Options() const { return working_; }
  OptsObj& MasterOptions() { return *options_; }
  const DateTimeRec& ObservationTime() const { return observation_time_; }
  const TimingSettings& Timing() const { return timing_; }
  FeatureSettings& Features() { return features_; }
  const CloudState& Clouds() const { return clouds_; }
  bool ShowEclipseZone() const { return show_eclipse_zone_; }
  int ImageCentreX() const { return image_centre_x_; }
  int ImageCentreY() const { return image_centre_y_; }
  const LogFileObj* Log() const { return log_.get(); }

  // The measurement flags. Once the measurement table exists they are its own flags, so the
  // quit questions and the Data menu read one copy.
  void UseMeasurementStore(MeasurementStore& store) {
    store.DataSaved = data_saved_;
    store.NothingPending = nothing_pending_;
    store.observer = &journal_;
    store_ = &store;
  }
  // The light-time exercise's event records, which a recovery at login fills.
  void UseEventList(EventList& events) { events_ = &events; }
  // An event record was added to the list: into the journal at once.
  void EventSaved(const EventRecord& record) { journal_.EventSaved(record); }
  const SessionJournal& Journal() const { return journal_; }
  bool DataSaved() const { return store_ ? store_->DataSaved : data_saved_; }
  bool NothingPending() const { return store_ ? store_->NothingPending : nothing_pending_; }
  void SetDataSaved(bool saved) { (store_ ? store_->DataSaved : data_saved_) = saved; }
  void SetNothingPending(bool nothing) {
    (store_ ? store_->NothingPending : nothing_pending_) = nothing;
  }
  // The first committed measurement enables Review, Save and Analyze; a load that leaves the
  // table empty disables them again.
  void EnableDataItems() { SetDataItemsEnabled(true); }
  void SetDataItemsEnabled(bool enabled) {
    menu_.ReviewData1.enabled = menu_.SaveData1.enabled = menu_.AnalyzeData1.enabled = enabled;
  }

  // The telescope's session clock, settings and Record button.
  void SetObservationJD(Real jd) { SetFromJD(observation_time_, jd); }
  void SetObservationTime(const DateTimeRec& time) { observation_time_ = time; }
  void SetTiming(const TimingSettings& timing) { timing_ = timing; }
  CloudState& MutableClouds() { return clouds_; }
  void SetRecordBtnEnabled(bool enabled) { menu_.RecordBtnEnabled = enabled; }
  // A hotlist saved under another name is looked for under that name (saved with the options).
  void SetHotlistFile(const std::string& name) { working_.HotlistFile = name; }
  // "&View/Print Saved Events" is enabled exactly when events have been recorded.
  void SetSavedEventsEnabled(bool enabled) { menu_.ListSavedDateTime1.enabled = enabled; }

 private:
  void SetHelpItems(bool topics_from_main_list, SessionWindow* window);
  // After login: this session's journal, and the question about any left by another.
  void OfferRecovery();
  void ApplyExercise(SessionWindow& window);
  bool AskToQuit();

  Prompter& prompter_;
  std::unique_ptr<OptsObj> options_;
  OptsRec working_;
  MainMenuState menu_;
  ExerciseMode mode_ = ExerciseMode::None;
  ViewState view_ = ViewState::Splash;
  StudentInfo students_;
  bool logged_in_ = false;
  bool quit_confirmed_ = false;
  bool data_saved_ = true;
  bool nothing_pending_ = true;
  MeasurementStore* store_ = nullptr;
  EventList* events_ = nullptr;
  SessionJournal journal_;
  bool loss_agreed_ = false;  // the last quit questions were answered "do not save"
  bool options_access_ = false;
  bool options_modified_ = false;
  bool admin_save_pending_ = false;
  bool show_eclipse_zone_ = false;
  DateTimeRec observation_time_;
  TimingSettings timing_;
  FeatureSettings features_;
  CloudState clouds_;
  int image_centre_x_ = 0;
  int image_centre_y_ = 0;
  std::unique_ptr<LogFileObj> log_;
  PrintHeaderLayout print_layout_;
};

// 0h UT of the day the Julian date `jd` falls in (its fraction .5 at midnight).
Real StartOfUtDay(Real jd);

}  // namespace jovi
