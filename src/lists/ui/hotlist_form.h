// THotListForm1, "Select Date/Time for Observation": the hotlist's dates, to choose one for
// the date dialog, edit, delete (with one undo), search, print and save them.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "lists/hotlist_model.h"
#include "session/date_entry.h"
#include "util/prompter.h"

class QAction;
class QListWidget;
class QMenu;
class QMenuBar;

namespace jovi {

class ExerciseSession;
class TGetSrchStrDlg;
class TUTTimeDlg;

class THotListForm1 : public QDialog {
  Q_OBJECT

 public:
  THotListForm1(HotlistModel& model, ExerciseSession& session, TGetSrchStrDlg& search,
                Prompter& prompter, QWidget* parent = nullptr);

  // "Save List": the save dialog, then the file. Also run by the date dialog's menu and the
  // quit question.
  void SaveList1Click();

  // The save dialog: the path chosen for `proposed`, empty when cancelled (tests replace it).
  std::function<std::string(const std::string& proposed)> ChooseSavePath;
  // Told whenever the list may have become saved or unsaved.
  std::function<void()> SavedChanged = [] {};

  TUTTimeDlg* EditDialog() { return edit_dialog_; }

  QListWidget* ListBox1;
  QMenuBar* Menu;
  QMenu* PopupMenu1;
  QAction* Search1;
  QAction* Print1;
  QAction* SaveList1;
  QAction* Close1;
  QMenu* Selection1;
  QAction* ChooseSelection1;
  QAction* EditSelection1;
  QAction* DeleteSelection1;
  QAction* UndoEditDelete1;
  QAction* UndoEditDelete2;

 protected:
  void showEvent(QShowEvent* event) override;  // the lines anew, the size, the check marks
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* AddSelectionItem(QMenu* menu, const char* name, const char* caption,
                            void (THotListForm1::*handler)());
  void RefillAndSize();
  void ShowLines();
  void AfterChange();
  void ChooseSelection1Click();
  void EditSelection1Click();
  void DeleteSelection1Click();
  void UndoEditDelete1Click();
  void Search1Click();
  void Print1Click();

  HotlistModel& model_;
  ExerciseSession& session_;
  TGetSrchStrDlg& search_;
  Prompter& prompter_;
  DateEntry edit_entry_;
  TUTTimeDlg* edit_dialog_ = nullptr;
};

}  // namespace jovi
