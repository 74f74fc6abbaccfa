// TInfoListForm1: the report viewer. A list of text lines in a fixed-pitch font with a List menu
// (search, print, save as text, close) and an Edit menu whose actions belong to specialisations.
//
// To specialise it (the measurement review, the phenomena list, the event list):
//   - derive from TInfoListForm1 and set the caption with setWindowTitle() in the constructor;
//   - hide the menu items the window does not offer (HideItems({"Edit1", "Search1", ...}) or
//     the members directly) and add its own actions to List1 / Edit1 if it needs more;
//   - set ReportName() when the window saves as text;
//   - before each showing, fill the lines with SetLines() and call ShowReport(), which sizes the
//     window to its text and shows the check marks;
//   - override the edit actions it supports (EditSelectedLine1Click, DeleteSelectedLine1Click,
//     UndoEditDelete1Click) and ListBox1DblClick / ListBox1MouseUp to react to the list; the
//     chosen record goes into SelectedIndex. The other virtual actions have the base behaviour.
// Closing hides the window; the program keeps each viewer for reuse.
#pragma once

#include <QMainWindow>
#include <initializer_list>
#include <string>
#include <vector>

#include "report/report_output.h"
#include "util/print_surface.h"
#include "util/ui/message_box_prompter.h"

class QAction;
class QListWidget;
class QMenu;

namespace jovi {

class ExerciseSession;
class TGetSrchStrDlg;

class TInfoListForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // The session gives the students, the table number and the user folder; the search dialog is
  // the program's one TGetSrchStrDlg.
  TInfoListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                 QWidget* parent = nullptr);
  ~TInfoListForm1() override;

  // The report's lines, replacing the list; the selection is cleared.
  void SetLines(std::vector<std::string> lines);
  const std::vector<std::string>& Lines() const { return lines_; }
  // The show step: sizes the window to its lines, sets the check marks, shows it on top.
  void ShowReport();

  // Hides the named menu items or menus (List1, Edit1 and the items and separators below).
  void HideItems(std::initializer_list<const char*> names);
  // Hides the Edit menu, Search and Save Text with their separators: a list to print and close.
  void OfferPrintAndCloseOnly();

  ReportOutputState& Output() { return output_; }
  void SetReportName(std::string name) { output_.ReportName = std::move(name); }
  int SelectedIndex = -1;                          // the record an edit action chose
  Qt::MouseButton LastMouseButton = Qt::NoButton;  // of the last release on the list

  // The selected line, or -1.
  int CurrentLine() const;
  void SelectLine(int line);

  // Printing and saving into a given printer or file, as the menu items do after their dialog.
  void PrintTo(PrintSurface& surface);
  bool SaveTextTo(const std::string& path);
  // The search after the search dialog closed with its request.
  void SearchWithRequest();

  // For tests: the prompter the window asks through (nullptr: message boxes).
  void SetPrompter(Prompter* prompter) { test_prompter_ = prompter; }
  Prompter& WindowPrompter();

  QListWidget* ListBox1;
  QMenu* List1;
  QAction* Search1;
  QAction* Print1;
  QMenu* SaveasText1;
  QAction* AsDisplayed1;
  QAction* CommaDelimit;
  QAction* Close1;
  QMenu* Edit1;
  QAction* EditSelectedLine1;
  QAction* DeleteSelectedLine1;
  QAction* UndoEditDelete1;

 protected:
  // The specialisations' actions, in the order the viewer offers them.
  virtual void AsDisplayed1Click();
  virtual void CommaDelimitClick();
  virtual void Close1Click();
  virtual void EditSelectedLine1Click() {}
  virtual void DeleteSelectedLine1Click() {}
  virtual void UndoEditDelete1Click() {}
  virtual void ListBox1DblClick() {}
  virtual void ListBox1MouseUp(Qt::MouseButton /*button*/) {}
  virtual void Print1Click();

  ExerciseSession& Session() { return session_; }

  bool event(QEvent* event) override;  // the activation
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Search1Click();
  void FormActivate();
  void BuildMenus();

  ExerciseSession& session_;
  TGetSrchStrDlg& search_dialog_;
  MessageBoxPrompter message_prompter_;
  Prompter* test_prompter_ = nullptr;
  std::vector<std::string> lines_;
  ReportOutputState output_;
};

}  // namespace jovi
