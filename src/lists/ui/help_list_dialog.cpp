#include "lists/ui/help_list_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "lists/list_window_size.h"
#include "lists/ui/help_metrics.h"
#include "report/ui/search_string_dialog.h"
#include "util/ui/qt_text.h"

namespace jovi {

THelpLstDlg::THelpLstDlg(HelpState& state, TGetSrchStrDlg& search, Prompter& prompter,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      state_(state),
      search_(search),
      prompter_(prompter) {
  setObjectName(QStringLiteral("HelpLstDlg"));
  setWindowTitle(QStringLiteral("Select Help Topic"));
  Menu = new QMenuBar(this);
  QMenu* topics = Menu->addMenu(QStringLiteral("&Topics"));
  FindTopic1 = topics->addAction(QStringLiteral("Find &Topic..."));
  FindTopic1->setObjectName(QStringLiteral("FindTopic1"));
  ReadPrintTopic1 = topics->addAction(QStringLiteral("&Read/Print Topic..."));
  ReadPrintTopic1->setObjectName(QStringLiteral("ReadPrintTopic1"));
  CloseHelpTopics1 = topics->addAction(QStringLiteral("&Close Help Topics"));
  CloseHelpTopics1->setObjectName(QStringLiteral("CloseHelpTopics1"));

  HlpLstBox = new QListWidget(this);
  HlpLstBox->setObjectName(QStringLiteral("HlpLstBox"));
  HlpLstBox->setFont(HelpListFont());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(Menu);
  layout->addWidget(HlpLstBox);

  connect(FindTopic1, &QAction::triggered, this, &THelpLstDlg::FindTopic1Click);
  connect(ReadPrintTopic1, &QAction::triggered, this, &THelpLstDlg::ReadPrintTopic1Click);
  connect(CloseHelpTopics1, &QAction::triggered, this, &THelpLstDlg::CloseHelpTopics1Click);
  connect(HlpLstBox, &QListWidget::itemDoubleClicked, this, [this] { ReadPrintTopic1Click(); });
}

void THelpLstDlg::showEvent(QShowEvent* event) {
  HelpList* list = state_.CurrentHelpList;
  if (!list) {
    HlpLstBox->clear();
    prompter_.Tell("No Help List to Display!", "Error", Icon::Stop);
    QDialog::showEvent(event);
    return;
  }
  std::vector<std::string> titles;
  list->Entries.ForEach([&titles](const HelpEntry& e) { titles.push_back(e.Title); });
  ShowListLines(*this, *Menu, *HlpLstBox, titles, 200, 30);
  HighlightRow(*HlpLstBox, list->SelectedIndex);
  search_.Request().SearchText.clear();
  search_.Request().CaseDependent = false;
  QDialog::showEvent(event);
}

void THelpLstDlg::ReadPrintTopic1Click() {
  if (!state_.CurrentHelpList) return;
  switch (PickTopic(*state_.CurrentHelpList, HighlightedRow(*HlpLstBox), prompter_)) {
    case TopicPick::Chosen:
      accept();
      break;
    case TopicPick::Beep:
      QApplication::beep();
      break;
    case TopicPick::Stay:
      break;
  }
}

void THelpLstDlg::CloseHelpTopics1Click() {
  if (state_.CurrentHelpList && HighlightedRow(*HlpLstBox) >= 0) {
    state_.CurrentHelpList->SelectedIndex = static_cast<std::int16_t>(HighlightedRow(*HlpLstBox));
  }
  reject();
}

void THelpLstDlg::FindTopic1Click() {
  search_.setWindowTitle(QStringLiteral("Find Help Topic"));
  search_.exec();
  const auto found =
      FindTopicLine(state_.CurrentHelpList, search_.Request(), HlpLstBox->currentRow(), prompter_);
  if (found) HighlightRow(*HlpLstBox, *found);
}

}  // namespace jovi
