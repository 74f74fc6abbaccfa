#include "report/ui/info_list_form.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "report/line_search.h"
#include "report/print_header.h"
#include "report/report_sizing.h"
#include "report/ui/search_string_dialog.h"
#include "session/exercise_session.h"
#include "util/ui/qt_print_surface.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

constexpr int kItemHeight = 16;
constexpr int kFontPixels = 14;

QFont ListFont() {
  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(kFontPixels);
  font.setBold(true);
  font.setFixedPitch(true);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QAction* Separator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QString::fromLatin1(name));
  return separator;
}

QAction* Item(QMenu* menu, const QString& text, const char* name) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

TInfoListForm1::TInfoListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                               QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      search_dialog_(search_dialog),
      message_prompter_(this) {
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFont(ListFont());
  ListBox1->setUniformItemSizes(true);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ListBox1->viewport()->installEventFilter(this);
  setCentralWidget(ListBox1);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
  BuildMenus();
}

TInfoListForm1::~TInfoListForm1() = default;

void TInfoListForm1::BuildMenus() {
  List1 = menuBar()->addMenu(QStringLiteral("&List"));
  List1->setObjectName(QStringLiteral("List1"));
  Search1 = Item(List1, QStringLiteral("&Search..."), "Search1");
  Separator(List1, "N2");
  Print1 = Item(List1, QStringLiteral("&Print..."), "Print1");
  Print1->setCheckable(true);
  Separator(List1, "N3");
  SaveasText1 = List1->addMenu(QStringLiteral("Save &Text"));
  SaveasText1->setObjectName(QStringLiteral("SaveasText1"));
  SaveasText1->menuAction()->setObjectName(QStringLiteral("SaveasText1Item"));
  SaveasText1->menuAction()->setCheckable(true);
  AsDisplayed1 = Item(SaveasText1, QStringLiteral("As &Displayed..."), "AsDisplayed1");
  CommaDelimit =
      Item(SaveasText1, QStringLiteral("&Comma Delimit (for Spreadsheet)..."), "CommaDelimit");
  CommaDelimit->setEnabled(false);
  Separator(List1, "N6");
  Separator(List1, "N1");
  Close1 = Item(List1, QStringLiteral("&Close"), "Close1");

  Edit1 = menuBar()->addMenu(QStringLiteral("&Edit"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  EditSelectedLine1 = Item(Edit1, QStringLiteral("&Edit Selected Line..."), "EditSelectedLine1");
  DeleteSelectedLine1 = Item(Edit1, QStringLiteral("&Delete Selected Line"), "DeleteSelectedLine1");
  Separator(Edit1, "N5");
  UndoEditDelete1 = Item(Edit1, QStringLiteral("&Undo Edit/Delete"), "UndoEditDelete1");
  UndoEditDelete1->setEnabled(false);
  Separator(Edit1, "UndoSep");

  connect(Search1, &QAction::triggered, this, [this] { Search1Click(); });
  connect(Print1, &QAction::triggered, this, [this] {
    Print1->setChecked(output_.Printed);  // the mark changes only at the next show
    Print1Click();
  });
  connect(AsDisplayed1, &QAction::triggered, this, [this] { AsDisplayed1Click(); });
  connect(CommaDelimit, &QAction::triggered, this, [this] { CommaDelimitClick(); });
  connect(Close1, &QAction::triggered, this, [this] { Close1Click(); });
  connect(EditSelectedLine1, &QAction::triggered, this, [this] { EditSelectedLine1Click(); });
  connect(DeleteSelectedLine1, &QAction::triggered, this, [this] { DeleteSelectedLine1Click(); });
  connect(UndoEditDelete1, &QAction::triggered, this, [this] { UndoEditDelete1Click(); });
}

Prompter& TInfoListForm1::WindowPrompter() {
  return test_prompter_ ? *test_prompter_ : message_prompter_;
}

void TInfoListForm1::HideItems(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const QString object = QString::fromLatin1(name);
    if (auto* menu = findChild<QMenu*>(object)) {
      menu->menuAction()->setVisible(false);
    } else if (auto* action = findChild<QAction*>(object)) {
      action->setVisible(false);
    }
  }
}

void TInfoListForm1::OfferPrintAndCloseOnly() {
  HideItems({"Edit1", "Search1", "N2", "N3", "SaveasText1"});
}

void TInfoListForm1::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  ListBox1->clear();
  const int height = std::max(kItemHeight, QFontMetrics(ListBox1->font()).height());
  for (const std::string& line : lines_) {
    auto* item = new QListWidgetItem(ToQt(line), ListBox1);
    item->setSizeHint(
        QSize(QFontMetrics(ListBox1->font()).horizontalAdvance(item->text()), height));
  }
  ListBox1->setCurrentRow(-1);
}

void TInfoListForm1::ShowReport() {
  const QFontMetrics metrics(ListBox1->font());
  std::vector<LineExtent> extents;
  extents.reserve(lines_.size());
  for (const std::string& line : lines_) {
    extents.push_back(
        {metrics.horizontalAdvance(ToQt(line)), std::max(kItemHeight, metrics.height())});
  }
  const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
  const int screen_width = screen ? screen->availableGeometry().width() : 1024;
  const ReportWindowSize size = SizeReportWindow(extents, screen_width);
  const int frame = 2 * ListBox1->frameWidth();
  resize(size.client_width + frame, size.client_height + frame + menuBar()->sizeHint().height());
  Print1->setChecked(output_.Printed);
  SaveasText1->menuAction()->setChecked(output_.SavedAsText);
  show();
  raise();
  activateWindow();
}

int TInfoListForm1::CurrentLine() const {
  const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
  return selected.isEmpty() ? -1 : ListBox1->row(selected.front());
}

void TInfoListForm1::SelectLine(int line) {
  ListBox1->setCurrentRow(line, QItemSelectionModel::ClearAndSelect);
  if (QListWidgetItem* item = ListBox1->item(line)) ListBox1->scrollToItem(item);
}

bool TInfoListForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(event);
}

bool TInfoListForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonRelease) {
    LastMouseButton = static_cast<QMouseEvent*>(event)->button();
    ListBox1MouseUp(LastMouseButton);
  }
  return QMainWindow::eventFilter(watched, event);
}

void TInfoListForm1::FormActivate() {
  SearchRequest& request = search_dialog_.Request();
  request.SearchText.clear();
  request.StartMode = SearchStart::Cancelled;
  request.CaseDependent = false;
  CommaDelimit->setEnabled(false);
}

void TInfoListForm1::Search1Click() {
  search_dialog_.setWindowTitle(QStringLiteral("Find Text String"));
  search_dialog_.exec();
  SearchWithRequest();
}

void TInfoListForm1::SearchWithRequest() {
  const SearchRequest& request = search_dialog_.Request();
  if (request.StartMode == SearchStart::Cancelled) return;
  const auto found = SearchLines(lines_, request.StartMode, CurrentLine(), request.SearchText,
                                 request.CaseDependent);
  if (!found) {
    WindowPrompter().Tell("\"" + request.SearchText + "\" Not Found.", "String Not Found",
                          Icon::Information);
    return;
  }
  SelectLine(static_cast<int>(*found));
  ListBox1->setFocus();
}

void TInfoListForm1::Print1Click() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QtPrintSurface surface(printer);
  PrintTo(surface);
}

void TInfoListForm1::PrintTo(PrintSurface& surface) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  setEnabled(false);
  if (PrintReport(surface, FromQt(windowTitle()), lines_, session_.Students(),
                  session_.Options().LabTable, PrintClockTextNow())) {
    output_.Printed = true;
  }
  setEnabled(true);
  QApplication::restoreOverrideCursor();
}

void TInfoListForm1::AsDisplayed1Click() {
  const QString offered = ToQt(OfferedTextPath(output_, session_.Options().UserDir));
  QFileDialog dialog(this, QStringLiteral("Save Report in Text File"), offered,
                     QStringLiteral("Text Files (*.TXT);;Image Header Text (*.HDR);;"
                                    "Image Display Info (*.IMG);;"
                                    "Astrometric Solution Text (*.SLN);;"
                                    "Reference Field Info (*.RFL);;All Files (*)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("TXT"));
  dialog.selectFile(offered);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    CancelReportText(output_);
    return;
  }
  SaveTextTo(FromQt(dialog.selectedFiles().front()));
}

bool TInfoListForm1::SaveTextTo(const std::string& path) {
  return SaveReportText(output_, path, lines_, WindowPrompter());
}

void TInfoListForm1::CommaDelimitClick() {
  WindowPrompter().Tell("Comma-Delimited Output not Available for Displayed Material.",
                        "Not Available", Icon::Information);
}

void TInfoListForm1::Close1Click() { close(); }

}  // namespace jovi
