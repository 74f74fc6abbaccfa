// THelpWin: the help window, showing one topic read from its help file, with its history,
// "Back", related topics by double click, search and printing.
#pragma once

#include <QDialog>
#include <functional>

#include "lists/help_browser.h"
#include "util/prompter.h"

class QAction;
class QListWidget;
class QMenuBar;

namespace jovi {

class TGetSrchStrDlg;
class THelpLstDlg;

class THelpWin : public QDialog {
  Q_OBJECT

 public:
  THelpWin(HelpState& state, THelpLstDlg& topics, TGetSrchStrDlg& search, Prompter& prompter,
           QWidget* parent = nullptr);

  // Shows the state's current topic (not modally), recorded in the history.
  void ShowTopic();

  HelpBrowser& Browser() { return browser_; }

  // Prints the topic on show with the window's caption; set by the owner, which knows the
  // printer and the students.
  std::function<void(const std::string& caption, const std::vector<std::string>& lines)> PrintTopic;

  QListWidget* ListBox1;
  QMenuBar* Menu;
  QAction* PrintTopic1;
  QAction* SearchText1;
  QAction* ShowHelpTopics1;
  QAction* CloseTopicWindow1;
  QAction* Back1;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Activate();
  // Closes the window without forgetting the history and shows the current topic again.
  void ShowAgain();
  void ListBox1DblClick(int row);
  void Back1Click();
  void ShowHelpTopics1Click();
  void SearchText1Click();
  void PrintTopic1Click();

  HelpState& state_;
  THelpLstDlg& topics_;
  TGetSrchStrDlg& search_;
  Prompter& prompter_;
  HelpBrowser browser_;
};

}  // namespace jovi
