#include "measure/ui/results_list_form.h"

#include <QAction>

#include "measure/ui/results_form.h"

namespace jovi {

RsltsListForm1::RsltsListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                               MeasurementStore& store, TResultsForm1& results_form,
                               QWidget* parent)
    : TInfoListForm1(session, search_dialog, parent),
      store_(store),
      results_form_(results_form),
      review_(store, prompter_) {
  prompter_.form = this;
  setObjectName(QStringLiteral("RsltsListForm1"));
  setWindowTitle(QString::fromLatin1(kReviewCaption));
  HideItems({"SaveasText1", "N1"});
  UndoEditDelete1->setEnabled(false);
}

void RsltsListForm1::ShowTable() {
  SetLines(ReviewLines(store_.table));
  ShowReport();
}

void RsltsListForm1::Refill() {
  const int line = CurrentLine();
  SetLines(ReviewLines(store_.table));
  if (line >= 0 && line < static_cast<int>(Lines().size())) SelectLine(line);
}

void RsltsListForm1::AfterAction(bool changed) {
  UndoEditDelete1->setEnabled(review_.UndoEnabled());
  if (!changed) return;
  SetLines(ReviewLines(store_.table));
  if (review_.SelectedLine() >= 0) SelectLine(review_.SelectedLine());
  SelectedIndex = review_.SelectedLine() - kReviewHeadingLines;
  if (changed_) changed_();
}

void RsltsListForm1::EditSelectedLine1Click() {
  const bool changed = review_.EditSelectedLine(
      CurrentLine(), [this](MeasurementStore&) { return results_form_.EditModally(); });
  AfterAction(changed);
}

void RsltsListForm1::DeleteSelectedLine1Click() { AfterAction(review_.DeleteSelectedLine(CurrentLine())); }

void RsltsListForm1::UndoEditDelete1Click() { AfterAction(review_.UndoEditDelete()); }

}  // namespace jovi
