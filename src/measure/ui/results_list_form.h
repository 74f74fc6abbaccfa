// RsltsListForm1, "Review/Edit/Print Measurements": the report viewer over the measurement
// table, with the Edit menu's edit, delete and undo of a record (a double-click edits too).
// Every rule is MeasurementReview's; this window lists the table and forwards the actions.
#pragma once

#include <functional>

#include "measure/review_list.h"
#include "report/ui/info_list_form.h"

namespace jovi {

class TResultsForm1;

class RsltsListForm1 : public TInfoListForm1 {
  Q_OBJECT

 public:
  RsltsListForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog, MeasurementStore& store,
                 TResultsForm1& results_form, QWidget* parent = nullptr);

  // "Review/Edit/Print...": the table listed afresh, then the viewer's show step.
  void ShowTable();
  // The list again after the table changed elsewhere, keeping the selected line.
  void Refill();

  MeasurementReview& Review() { return review_; }
  // Run after every change the window made to the table.
  void SetChanged(std::function<void()> changed) { changed_ = std::move(changed); }

 protected:
  void EditSelectedLine1Click() override;
  void DeleteSelectedLine1Click() override;
  void UndoEditDelete1Click() override;
  void ListBox1DblClick() override { EditSelectedLine1Click(); }

 private:
  // After an action: the list again, the line it chose, the Undo item.
  void AfterAction(bool changed);

  struct WindowPrompterOf final : Prompter {
    RsltsListForm1* form;
    Answer Ask(std::string_view t, std::string_view c, Buttons b, Icon i) override {
      return form->WindowPrompter().Ask(t, c, b, i);
    }
  } prompter_;
  MeasurementStore& store_;
  TResultsForm1& results_form_;
  MeasurementReview review_;
  std::function<void()> changed_;
};

}  // namespace jovi
