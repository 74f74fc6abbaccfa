// THelpLstDlg, "Select Help Topic": the topics of the current help list; closes with OK when
// a topic is chosen.
#pragma once

#include <QDialog>

#include "lists/help_browser.h"
#include "util/prompter.h"

class QAction;
class QListWidget;
class QMenuBar;

namespace jovi {

class TGetSrchStrDlg;

class THelpLstDlg : public QDialog {
  Q_OBJECT

 public:
  THelpLstDlg(HelpState& state, TGetSrchStrDlg& search, Prompter& prompter,
              QWidget* parent = nullptr);

  QListWidget* HlpLstBox;
  QMenuBar* Menu;
  QAction* FindTopic1;
  QAction* ReadPrintTopic1;
  QAction* CloseHelpTopics1;

 protected:
  void showEvent(QShowEvent* event) override;  // the activation: the list, its size

 private:
  void FindTopic1Click();
  void ReadPrintTopic1Click();
  void CloseHelpTopics1Click();

  HelpState& state_;
  TGetSrchStrDlg& search_;
  Prompter& prompter_;
};

}  // namespace jovi
