#include "app/sat_lab_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <clocale>

#include "almanac/ui/moon_events_form.h"
#include "app/client_area.h"
#include "app/cross_hair_cursor.h"
#include "app/event_commands.h"
#include "app/help_commands.h"
#include "app/measurement_commands.h"
#include "app/options_commands.h"
#include "config/ui/desktop_storage_environment.h"
#include "config/ui/login_dialog.h"
#include "lists/ui/about_box.h"
#include "phenomena/ui/phenom_list_form.h"
#include "report/ui/search_string_dialog.h"
#include "session/ui/exercise_form.h"
#include "session/ui/features_dialog.h"
#include "session/ui/telescope_panel.h"
#include "sky/ui/observing_site_dialog.h"
#include "util/prompter.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

std::vector<std::string> ToArguments(const QStringList& arguments) {
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(arguments.size()));
  for (const QString& a : arguments) out.push_back(FromQt(a));
  return out;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

QMenu* AddSubmenu(QMenu* menu, const char* name, const char* caption) {
  QMenu* sub = menu->addMenu(QString::fromUtf8(caption));
  sub->menuAction()->setObjectName(QString::fromLatin1(name));
  return sub;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QString::fromLatin1(name));
  return separator;
}

}  // namespace

TSatLabForm1::TSatLabForm1(const QStringList& arguments, StorageEnvironment* environment,
                           QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      session_(ProgramPrompter()) {
  // Numbers are written with the full stop whatever the desktop's language.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());

  client_ = new ClientArea(this);
  setCentralWidget(client_);
  CreateMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  DesktopStorageEnvironment desktop;
  started_ = session_.Start(ToArguments(arguments), environment ? *environment : desktop);
  if (!started_) return;
  cross_hair_ = LoadCrossHairCursor(ToQt(session_.Options().ProgramDir));
  search_dialog_ = new TGetSrchStrDlg(this);
  exercise_form_ = new TExerciseForm1(this);
  CreateTelescope();
  CreateSaveMenu();
  measurement_commands_ = std::make_unique<MeasurementCommands>(*this);
  event_commands_ = std::make_unique<EventCommands>(*this);
  help_commands_ = std::make_unique<HelpCommands>(*this);
  options_commands_ = std::make_unique<OptionsCommands>(*this);
  Repaint();
}

TSatLabForm1::~TSatLabForm1() = default;

void TSatLabForm1::CreateMenus() {
  using S = MainMenuState;
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* login = AddItem(file, "LogIn1", "&Log In...");
  QAction* run = AddItem(file, "Run1", "&Run...");
  file->addSeparator();
  QMenu* date = AddSubmenu(file, "ObservationDate1", "&Observation Date");
  AddItem(date, "SetDateTime1", "&Set Date/Time...");
  AddItem(date, "SaveCurrentDateTime1", "Save &Event Date/Time...");
  QAction* saved_events = AddItem(date, "ListSavedDateTime1", "&View/Print Saved Events");
  QAction* timing = AddItem(file, "Timing1", "&Timing...");
  QAction* features = AddItem(file, "Features1", "&Features...");
  AddItem(file, "JupiterPhenomena1", "&Jupiter Phenomena");
  QAction* moon_events = AddItem(file, "MoonEvents1", "Moon &Events...");
  QAction* data_sep = AddSeparator(file, "DataSep");
  QMenu* data = AddSubmenu(file, "Data1", "&Data");
  AddItem(data, "Load1", "&Load...");
  QMenu* save = AddSubmenu(data, "SaveData1", "&Save");
  AddItem(save, "BinaryFormat1", "&Binary Format...");
  AddItem(save, "CSVFormat1", ".&CSV Format (for Spreadsheet)...");
  QAction* review = AddItem(data, "ReviewData1", "&Review/Edit/Print...");
  QAction* analyze = AddItem(data, "AnalyzeData1", "&Analyze...");
  QAction* pref_sep = AddSeparator(file, "PrefSep");
  QMenu* preferences = AddSubmenu(file, "Preferences1", "&Preferences");
  QAction* options = AddItem(preferences, "Options1", "&Options and Parameters...");
  QAction* site = AddItem(preferences, "ObservingSite1", "Observing &Site...");
  QAction* save_updates = AddItem(preferences, "SaveUpdates1", "&Save Updates");
  file->addSeparator();
  QAction* exit = AddItem(file, "Exit1", "E&xit");

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->menuAction()->setObjectName(QStringLiteral("Help1"));
  QAction* topics = AddItem(help, "Topics1", "&Topics...");
  QAction* on_help_sep = AddSeparator(help, "OnHelpSep");
  QAction* on_help = AddItem(help, "OnHelp1", "On &Help");
  QAction* user_sep = AddSeparator(help, "UserSep");
  QAction* user = AddItem(help, "User1", "&User");
  help->addSeparator();
  QAction* about = AddItem(help, "About1", "&About");

  ruled_items_ = {
      {login, &S::LogIn1},
      {run, &S::Run1},
      {date->menuAction(), &S::ObservationDate1},
      {saved_events, &S::ListSavedDateTime1},
      {timing, &S::Timing1},
      {features, &S::Features1},
      {moon_events, &S::MoonEvents1},
      {data_sep, &S::DataSep},
      {data->menuAction(), &S::Data1},
      {save->menuAction(), &S::SaveData1},
      {review, &S::ReviewData1},
      {analyze, &S::AnalyzeData1},
      {pref_sep, &S::PrefSep},
      {preferences->menuAction(), &S::Preferences1},
      {save_updates, &S::SaveUpdates1},
      {topics, &S::Topics1},
      {on_help_sep, &S::OnHelpSep},
      {on_help, &S::OnHelp1},
      {user_sep, &S::UserSep},
      {user, &S::User1},
  };

  connect(login, &QAction::triggered, this, &TSatLabForm1::LogIn1Click);
  connect(run, &QAction::triggered, this, &TSatLabForm1::Run1Click);
  connect(options, &QAction::triggered, this, &TSatLabForm1::Options1Click);
  connect(site, &QAction::triggered, this, &TSatLabForm1::ObservingSite1Click);
  connect(save_updates, &QAction::triggered, this, &TSatLabForm1::SaveUpdates1Click);
  connect(about, &QAction::triggered, this, &TSatLabForm1::About1Click);
  connect(exit, &QAction::triggered, this, &TSatLabForm1::Exit1Click);
}

void TSatLabForm1::CreateSaveMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  AddItem(PopupMenu1, "BinaryFormat2", "Save data in &Binary Format...");
  AddItem(PopupMenu1, "CSVFormat2", "Save data in .&CSV Format...");
}

void TSatLabForm1::ApplyMenuState() {
  const MainMenuState& state = session_.Menu();
  for (const auto& [item, rule] : ruled_items_) {
    item->setEnabled((state.*rule).enabled);
    item->setVisible((state.*rule).visible);
  }
  setWindowTitle(ToQt(state.Caption));
  client_->SetPanelsVisible(state.PanelsVisible);
  ApplyTelescopeButtons();
}

void TSatLabForm1::Repaint() {
  ApplyMenuState();
  client_->ShowPicture(session_.Picture());
}

void TSatLabForm1::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void TSatLabForm1::ShowLoginDialog(StudentInfo& record) {
  if (!login_dialog_) login_dialog_ = new TLoginDlg(&record, this);
  login_dialog_->exec();
}

ExerciseMode TSatLabForm1::ShowExerciseChoice() {
  exercise_form_->exec();
  return exercise_form_->Mode();
}

void TSatLabForm1::RunInstructorPath() { options_commands_->RunInstructorPath(); }

bool TSatLabForm1::ShowOptionsDialog() { return options_commands_->ShowOptionsDialog(); }

void TSatLabForm1::PopUpSaveMenu() {
  PopupMenu1->exec(QGuiApplication::primaryScreen()->geometry().center());
}

void TSatLabForm1::EndProgram() {
  ending_ = true;
  close();
  QCoreApplication::exit(1);
}

void TSatLabForm1::closeEvent(QCloseEvent* event) {
  if (ending_) {
    event->accept();
    return;
  }
  if (!session_.CloseQuery(*this)) {
    event->ignore();
    return;
  }
  session_.Close();
  event->accept();
}

void TSatLabForm1::LogIn1Click() {
  if (!session_.LogIn(*this)) {
    EndProgram();
    return;
  }
  event_commands_->AfterLogIn();
  Repaint();
}

void TSatLabForm1::Run1Click() {
  // The date dialog comes first (Cancel disabled, as Set Date/Time still is); the telescope
  // starts when it closes, at the time it set or at the first observation time.
  ObservationDate1Click();
  session_.Run();
  Repaint();
}

void TSatLabForm1::Options1Click() {
  if (!session_.OptionsAndParameters(*this)) {
    EndProgram();
    return;
  }
  Repaint();
}

void TSatLabForm1::ObservingSite1Click() {
  TObservingSiteDlg dialog(this);
  if (!dialog.Edit()) return;
  // An open phenomena list and an open Moon Events window show the new place at once.
  PhenomListForm1* list = event_commands_ ? event_commands_->PhenomListForm() : nullptr;
  if (list && list->isVisible()) list->RefreshSite();
  TMoonEventsForm1* moon_events = event_commands_ ? event_commands_->MoonEventsForm() : nullptr;
  if (moon_events && moon_events->isVisible()) moon_events->RefreshSite();
}

void TSatLabForm1::SaveUpdates1Click() {
  session_.SaveUpdatedOptions();
  Repaint();
}

void TSatLabForm1::About1Click() {
  TAboutBox box(this);
  box.SetVersion(QStringLiteral("Version 2.114"));
  box.SetExercise(QStringLiteral("Jovitrack"));
  box.exec();
}

void TSatLabForm1::Exit1Click() { close(); }

void TSatLabForm1::LoadHelpList(const std::string& path) { help_commands_->LoadHelpList(path); }

bool TSatLabForm1::HotlistUnsaved() { return help_commands_->HotlistUnsaved(); }

void TSatLabForm1::SaveHotlist() { help_commands_->SaveHotlist(); }

}  // namespace jovi
