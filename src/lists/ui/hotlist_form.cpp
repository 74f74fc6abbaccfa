#include "lists/ui/hotlist_form.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "lists/list_window_size.h"
#include "lists/ui/help_metrics.h"
#include "lists/ui/help_print_job.h"
#include "report/ui/search_string_dialog.h"
#include "session/exercise_session.h"
#include "session/ui/date_dialog.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

std::string AskSavePath(QWidget* parent, const std::string& proposed) {
  return FromQt(QFileDialog::getSaveFileName(parent, QStringLiteral("Save Hot List File"),
                                             ToQt(proposed),
                                             QStringLiteral("Hot List Files (.HTL) (*.HTL)")));
}

}  // namespace

THotListForm1::THotListForm1(HotlistModel& model, ExerciseSession& session, TGetSrchStrDlg& search,
                             Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(model), session_(session), search_(search), prompter_(prompter) {
  setObjectName(QStringLiteral("HotListForm1"));
  setWindowTitle(QString::fromLatin1(kHotlistCaption));
  Menu = new QMenuBar(this);
  QMenu* list = Menu->addMenu(QStringLiteral("&List"));
  Search1 = list->addAction(QStringLiteral("&Search..."));
  Search1->setObjectName(QStringLiteral("Search1"));
  Print1 = list->addAction(QStringLiteral("&Print..."));
  Print1->setObjectName(QStringLiteral("Print1"));
  Print1->setCheckable(true);
  SaveList1 = list->addAction(QStringLiteral("Save &List"));
  SaveList1->setObjectName(QStringLiteral("SaveList1"));
  list->addSeparator();
  Close1 = list->addAction(QStringLiteral("&Close"));
  Close1->setObjectName(QStringLiteral("Close1"));
  Selection1 = Menu->addMenu(QStringLiteral("&Selection"));
  Selection1->menuAction()->setObjectName(QStringLiteral("Selection1"));
  ChooseSelection1 = AddSelectionItem(Selection1, "ChooseSelection1", "&Choose Selection",
                                      &THotListForm1::ChooseSelection1Click);
  EditSelection1 = AddSelectionItem(Selection1, "EditSelection1", "&Edit Selection...",
                                    &THotListForm1::EditSelection1Click);
  DeleteSelection1 = AddSelectionItem(Selection1, "DeleteSelection1", "&Delete Selection",
                                      &THotListForm1::DeleteSelection1Click);
  UndoEditDelete1 = AddSelectionItem(Selection1, "UndoEditDelete1", "&Undo Edit/Delete",
                                     &THotListForm1::UndoEditDelete1Click);
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("HotlistPopup"));
  AddSelectionItem(PopupMenu1, "ChooseSelection2", "&Choose Selection",
                   &THotListForm1::ChooseSelection1Click);
  AddSelectionItem(PopupMenu1, "EditSelection2", "&Edit Selection...",
                   &THotListForm1::EditSelection1Click);
  AddSelectionItem(PopupMenu1, "DeleteSelection2", "&Delete Selection",
                   &THotListForm1::DeleteSelection1Click);
  UndoEditDelete2 = AddSelectionItem(PopupMenu1, "UndoEditDelete2", "&Undo Edit/Delete",
                                     &THotListForm1::UndoEditDelete1Click);
  UndoEditDelete1->setEnabled(false);
  UndoEditDelete2->setEnabled(false);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFont(HelpListFont());
  ListBox1->viewport()->installEventFilter(this);
  ListBox1->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(Menu);
  layout->addWidget(ListBox1);

  ChooseSavePath = [this](const std::string& proposed) { return AskSavePath(this, proposed); };
  connect(Search1, &QAction::triggered, this, &THotListForm1::Search1Click);
  connect(Print1, &QAction::triggered, this, &THotListForm1::Print1Click);
  connect(SaveList1, &QAction::triggered, this, &THotListForm1::SaveList1Click);
  connect(Close1, &QAction::triggered, this, &QDialog::reject);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &THotListForm1::ChooseSelection1Click);
}

QAction* THotListForm1::AddSelectionItem(QMenu* menu, const char* name, const char* caption,
                                         void (THotListForm1::*handler)()) {
  QAction* item = menu->addAction(QString::fromLatin1(caption));
  item->setObjectName(QString::fromLatin1(name));
  connect(item, &QAction::triggered, this, handler);
  return item;
}

void THotListForm1::showEvent(QShowEvent* event) {
  RefillAndSize();
  Print1->setChecked(model_.Printed);
  Selection1->setEnabled(true);
  SaveList1->setEnabled(true);
  QDialog::showEvent(event);
}

void THotListForm1::RefillAndSize() {
  model_.Refill(session_.Options().EditMode);
  ShowListLines(*this, *Menu, *ListBox1, model_.Lines(), 200, 30);
  HighlightRow(*ListBox1, model_.ChosenIndex());
}

void THotListForm1::ShowLines() {
  ListBox1->clear();
  for (const std::string& line : model_.Lines()) ListBox1->addItem(ToQt(line));
}

bool THotListForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease) {
    if (HighlightedRow(*ListBox1) >= 0) model_.SetChosenIndex(HighlightedRow(*ListBox1));
  }
  if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton && HighlightedRow(*ListBox1) >= 0) {
      const QPoint at = mouse->position().toPoint();
      PopupMenu1->popup(QPoint(geometry().left() + at.x() + 20, geometry().top() + at.y() + 50));
    }
  }
  return QDialog::eventFilter(watched, event);
}

void THotListForm1::AfterChange() {
  SaveList1->setEnabled(true);
  UndoEditDelete1->setEnabled(model_.UndoEnabled());
  UndoEditDelete2->setEnabled(model_.UndoEnabled());
  SavedChanged();
}

void THotListForm1::ChooseSelection1Click() {
  if (model_.Choose(HighlightedRow(*ListBox1))) accept();
}

void THotListForm1::EditSelection1Click() {
  const auto entry = model_.BeginEdit(HighlightedRow(*ListBox1));
  if (!entry) return;
  const int row = HighlightedRow(*ListBox1);
  if (!edit_dialog_) {
    edit_dialog_ = new TUTTimeDlg(edit_entry_, prompter_, this);
    edit_dialog_->setObjectName(QStringLiteral("EditDateDlg"));
    SetZoneAndNow(edit_entry_.Time, 0.0f);
  }
  SetFromSerial(edit_entry_.Time, entry->Serial);
  edit_entry_.Comment = entry->Comment;
  edit_dialog_->setWindowTitle(QStringLiteral("Edit Date/Time"));
  edit_dialog_->Menu->setVisible(false);
  edit_dialog_->Prepare(session_.Options().EditMode);
  edit_dialog_->resize(edit_dialog_->width(), 150);
  if (edit_dialog_->exec() != QDialog::Accepted) return;
  model_.FinishEdit({edit_entry_.Time.Serial, edit_entry_.Comment}, session_.Options().EditMode);
  ListBox1->item(row)->setText(ToQt(model_.Lines()[static_cast<std::size_t>(row)]));
  HighlightRow(*ListBox1, row);
  AfterChange();
}

void THotListForm1::DeleteSelection1Click() {
  const auto highlight = model_.Delete(HighlightedRow(*ListBox1));
  if (!highlight) return;
  ShowLines();
  HighlightRow(*ListBox1, *highlight);
  AfterChange();
}

void THotListForm1::UndoEditDelete1Click() {
  const auto highlight = model_.Undo();
  UndoEditDelete1->setEnabled(false);
  UndoEditDelete2->setEnabled(false);
  if (!highlight) return;
  ShowLines();
  HighlightRow(*ListBox1, *highlight);
}

void THotListForm1::Search1Click() {
  search_.setWindowTitle(QStringLiteral("Find Text String"));
  search_.exec();
  const auto found = model_.Search(search_.Request(), ListBox1->currentRow());
  if (found) HighlightRow(*ListBox1, *found);
}

void THotListForm1::Print1Click() {
  const bool edit_mode = session_.Options().EditMode;
  if (PrintListWithDialog(*this,
                          model_.Printout(edit_mode, session_.Students(),
                                          session_.Options().LabTable, PrintoutClockNow()),
                          session_.Students())) {
    model_.Printed = true;
  }
  Print1->setChecked(model_.Printed);
}

void THotListForm1::SaveList1Click() {
  const std::string path = ChooseSavePath(model_.HotlistPath());
  if (path.empty()) return;
  session_.SetHotlistFile(FromQt(QFileInfo(ToQt(path)).fileName()).substr(0, 71));
  if (model_.SaveTo(path)) SaveList1->setEnabled(session_.Options().EditMode);
  SavedChanged();
}

}  // namespace jovi
