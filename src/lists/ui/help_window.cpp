#include "lists/ui/help_window.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "lists/list_window_size.h"
#include "lists/ui/help_list_dialog.h"
#include "lists/ui/help_metrics.h"
#include "report/ui/search_string_dialog.h"
#include "util/ui/qt_text.h"

namespace jovi {

THelpWin::THelpWin(HelpState& state, THelpLstDlg& topics, TGetSrchStrDlg& search,
                   Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      state_(state),
      topics_(topics),
      search_(search),
      prompter_(prompter) {
  setObjectName(QStringLiteral("HelpWin"));
  setModal(false);
  Menu = new QMenuBar(this);
  QMenu* topic = Menu->addMenu(QStringLiteral("&Topic"));
  PrintTopic1 = topic->addAction(QStringLiteral("&Print Topic..."));
  PrintTopic1->setObjectName(QStringLiteral("PrintTopic1"));
  SearchText1 = topic->addAction(QStringLiteral("&Search Text..."));
  SearchText1->setObjectName(QStringLiteral("SearchText1"));
  ShowHelpTopics1 = topic->addAction(QStringLiteral("Show Help &Topics..."));
  ShowHelpTopics1->setObjectName(QStringLiteral("ShowHelpTopics1"));
  CloseTopicWindow1 = topic->addAction(QStringLiteral("&Close Topic Window"));
  CloseTopicWindow1->setObjectName(QStringLiteral("CloseTopicWindow1"));
  Back1 = Menu->addAction(QStringLiteral("&Back"));
  Back1->setObjectName(QStringLiteral("Back1"));
  Back1->setEnabled(false);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFont(HelpListFont());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(Menu);
  layout->addWidget(ListBox1);
  const int dpi = screen() ? static_cast<int>(screen()->logicalDotsPerInchX()) : 96;
  resize(5 * dpi, height());

  connect(PrintTopic1, &QAction::triggered, this, &THelpWin::PrintTopic1Click);
  connect(SearchText1, &QAction::triggered, this, &THelpWin::SearchText1Click);
  connect(ShowHelpTopics1, &QAction::triggered, this, &THelpWin::ShowHelpTopics1Click);
  connect(CloseTopicWindow1, &QAction::triggered, this, &QDialog::close);
  connect(Back1, &QAction::triggered, this, &THelpWin::Back1Click);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { ListBox1DblClick(ListBox1->row(item)); });
}

void THelpWin::ShowTopic() {
  browser_.Shown(state_);
  Back1->setEnabled(browser_.BackEnabled());
  show();
  raise();
  Activate();
}

void THelpWin::Activate() {
  ListBox1->clear();
  const bool shown = browser_.Activate(state_, prompter_, HelpListMetrics(ListBox1->font()).width);
  if (state_.CurrentHelpEntry && !state_.HelpFolder.empty()) {
    setWindowTitle(ToQt(browser_.Caption()));
  }
  if (!shown) return;
  ShowListLines(*this, *Menu, *ListBox1, browser_.Lines(), 0, 20);
  ShowHelpTopics1->setEnabled(state_.CurrentHelpList != nullptr);
}

void THelpWin::ShowAgain() {
  browser_.ClearHistoryOnClose = false;
  hide();
  browser_.ClearHistoryOnClose = true;
  ShowTopic();
}

void THelpWin::closeEvent(QCloseEvent* event) {
  browser_.Closed();
  QDialog::closeEvent(event);
}

void THelpWin::ListBox1DblClick(int row) {
  if (browser_.FollowRelated(state_, row, search_.Request().CaseDependent)) ShowAgain();
}

void THelpWin::Back1Click() {
  if (browser_.Back(state_, search_.Request().CaseDependent)) ShowAgain();
  Back1->setEnabled(browser_.BackEnabled());
}

void THelpWin::ShowHelpTopics1Click() {
  if (!state_.CurrentHelpList) return;
  if (topics_.exec() != QDialog::Accepted) return;
  browser_.TopicChosen(state_);
  ShowAgain();
}

void THelpWin::SearchText1Click() {
  search_.setWindowTitle(QStringLiteral("Find Help Item"));
  search_.exec();
  const auto found = browser_.Search(search_.Request(), ListBox1->currentRow(), prompter_);
  if (found) ListBox1->setCurrentRow(*found);
}

void THelpWin::PrintTopic1Click() {
  if (PrintTopic) PrintTopic(FromQt(windowTitle()), browser_.Lines());
}

}  // namespace jovi
