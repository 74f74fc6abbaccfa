// TSatLabForm1: the program's main window. It shows what the exercise session decides (menus,
// caption, logo and title pictures, the telescope's panels) and opens the dialogs the session
// asks for; every decision is the session's.
#pragma once

#include <QCursor>
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

#include "session/date_entry.h"
#include "session/exercise_session.h"
#include "session/random_source.h"
#include "session/session_window.h"
#include "session/telescope.h"
#include "session/ui/picture_cache.h"

class QAction;
class QMenu;
class QTimer;

namespace jovi {

class ClientArea;
class StorageEnvironment;
class TExerciseForm1;
class TGetSrchStrDlg;
class TLoginDlg;
class TFeaturesForm1;
class TUTTimeDlg;
class TelescopePanel;
class TResultsForm1;
class MeasurementCommands;
class EventCommands;
class HelpCommands;
class OptionsCommands;

class TSatLabForm1 : public QMainWindow, public SessionWindow, public TelescopeWindow {
  Q_OBJECT

 public:
  // `arguments` is the command line as argv has it. Without an environment the running
  // system's folders are used.
  explicit TSatLabForm1(const QStringList& arguments, StorageEnvironment* environment = nullptr,
                        QWidget* parent = nullptr);
  ~TSatLabForm1() override;

  // False when the start-up found no write-enabled storage: the program must end.
  bool Started() const { return started_; }
  // True once the program has been told to end without the quit questions.
  bool Ending() const { return ending_; }

  ExerciseSession& Session() { return session_; }
  ClientArea& Client() { return *client_; }
  const QCursor& CrossHairCursor() const { return cross_hair_; }
  TGetSrchStrDlg& SearchDialog() { return *search_dialog_; }
  QMenu& SaveMenu() { return *PopupMenu1; }
  Telescope& Scope() { return *telescope_; }
  TelescopePanel& Controls() { return *controls_; }
  QTimer& AnimationTimer() { return *Timer1; }
  TFeaturesForm1& FeaturesForm() { return *features_form_; }
  TResultsForm1& ResultsForm() { return *results_form_; }
  MeasurementCommands& Measurements() { return *measurement_commands_; }
  EventCommands& Events() { return *event_commands_; }
  HelpCommands& Help() { return *help_commands_; }
  OptionsCommands& OptionsControl() { return *options_commands_; }
  // The cursor Image1 shows at the moment.
  QCursor ViewCursor() const;

  // SessionWindow
  void ShowLoginDialog(StudentInfo& record) override;
  ExerciseMode ShowExerciseChoice() override;
  void PopUpSaveMenu() override;
  void Repaint() override;
  // The menus, caption and panels as the session decides, without repainting the view.
  void ApplyMenuState();
  void SetBusy(bool busy) override;
  void CommitPendingMeasurement() override;
  void LoadHelpList(const std::string& path) override;
  bool HotlistUnsaved() override;
  void SaveHotlist() override;
  void SaveEventList() override;
  void RunInstructorPath() override;
  bool ShowOptionsDialog() override;

  // TelescopeWindow
  void StartTimer(std::uint16_t interval_ms) override;
  void StopTimer() override;
  void UpdateTopView(bool show_top_view) override;
  bool TopViewVisible() const override;
  void MarkMoonOnTopView(int moon) override;

  // The telescope's handlers.
  void RedrawView();
  void MagBtnClick(int magnification);
  void NextBtnClick();
  void ContBtnClick();
  void Timer1Timer();
  void RecordBtnClick();
  void ObservationDate1Click();
  // A new observation time, from the date dialog or the Moon Events window's Go To: the scene,
  // the menus, the view, its labels and the top view follow.
  void ObservationTimeChosen(const DateTimeRec& time);
  void Timing1Click();
  void Features1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;  // the quit questions, then the logout block

 private:
  void CreateMenus();
  void CreateSaveMenu();
  void EndProgram();
  void CreateTelescope();
  void ApplyTelescopeButtons();
  void Image1MouseDown(QPoint at);
  void Image1MouseMove(QPoint at);
  void Image1MouseUp(QPoint at);
  void AfterRedraw(const QString& error);

  void LogIn1Click();
  void Run1Click();
  void Options1Click();
  void ObservingSite1Click();  // Preferences > "Observing &Site..."
  void SaveUpdates1Click();
  void About1Click();
  void Exit1Click();

  ExerciseSession session_;
  bool started_ = false;
  bool ending_ = false;
  ClientArea* client_ = nullptr;
  QCursor cross_hair_;
  TGetSrchStrDlg* search_dialog_ = nullptr;
  TExerciseForm1* exercise_form_ = nullptr;
  TLoginDlg* login_dialog_ = nullptr;
  QMenu* PopupMenu1 = nullptr;
  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<Telescope> telescope_;
  std::unique_ptr<TelescopePanel> controls_;
  PictureCache pictures_;
  QTimer* Timer1 = nullptr;
  DateEntry date_entry_;
  TUTTimeDlg* date_dialog_ = nullptr;
  TFeaturesForm1* features_form_ = nullptr;
  TResultsForm1* results_form_ = nullptr;
  QString reported_error_;  // the redraw failure reported last
  // One object per subsystem of menus and windows; each connects its own menu items.
  std::unique_ptr<MeasurementCommands> measurement_commands_;
  std::unique_ptr<EventCommands> event_commands_;
  std::unique_ptr<HelpCommands> help_commands_;
  std::unique_ptr<OptionsCommands> options_commands_;
  // Every menu item the session rules over, with the state that rules it.
  std::vector<std::pair<QAction*, MenuItemState MainMenuState::*>> ruled_items_;
};

}  // namespace jovi
