// TSatLabForm1: the program's main window. It shows what the exercise session decides (menus,
// caption, logo and title pictures, the telescope's panels) and opens the dialogs the session
// asks for; every decision is the session's.
#pragma once

#include <QCursor>
#include <QMainWindow>
#include <QStringList>

#include <utility>
#include <vector>

#include "session/exercise_session.h"
#include "session/session_window.h"

class QAction;
class QMenu;

namespace jovi {

class ClientArea;
class StorageEnvironment;
class TExerciseForm1;
class TGetSrchStrDlg;
class TLoginDlg;

class TSatLabForm1 : public QMainWindow, public SessionWindow {
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

  // SessionWindow
  void ShowLoginDialog(StudentInfo& record) override;
  ExerciseMode ShowExerciseChoice() override;
  void PopUpSaveMenu() override;
  void Repaint() override;
  void SetBusy(bool busy) override;

 protected:
  void closeEvent(QCloseEvent* event) override;  // the quit questions, then the logout block

 private:
  void CreateMenus();
  void CreateSaveMenu();
  void ApplyMenuState();
  void EndProgram();

  void LogIn1Click();
  void Run1Click();
  void Options1Click();
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
  // Every menu item the session rules over, with the state that rules it.
  std::vector<std::pair<QAction*, MenuItemState MainMenuState::*>> ruled_items_;
};

}  // namespace jovi
