#include "app/measurement_commands.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "analysis/ui/orb_anal_form.h"
#include "app/sat_lab_form.h"
#include "measure/ui/qt_file_dialogs.h"
#include "measure/ui/results_form.h"
#include "measure/ui/results_list_form.h"
#include "session/ui/telescope_panel.h"
#include "session/ui/telescope_view.h"

namespace jovi {

std::optional<std::string> MeasurementCommands::ChosenDialogs::SavePath(
    const FileDialogRequest& r) {
  return (commands->test_dialogs_ ? *commands->test_dialogs_ : *commands->qt_dialogs_).SavePath(r);
}

std::optional<std::string> MeasurementCommands::ChosenDialogs::OpenPath(
    const FileDialogRequest& r) {
  return (commands->test_dialogs_ ? *commands->test_dialogs_ : *commands->qt_dialogs_).OpenPath(r);
}

MeasurementCommands::MeasurementCommands(TSatLabForm1& form)
    : form_(form), qt_dialogs_(std::make_unique<QtFileDialogs>(&form)) {
  dialogs_.commands = this;
  MeasurementStore& store = form.Scope().Measurements();
  // From now on the session's measurement flags are the table's.
  form.Session().UseMeasurementStore(store);
  files_ = std::make_unique<MeasurementFileCommands>(store, ProgramPrompter(), dialogs_);

  analysis_ = new TOrbAnalForm1(form.Session(), &form);
  QObject::connect(analysis_, &TOrbAnalForm1::IncludedChanged, &form, [this] {
    form_.Session().SetDataSaved(false);
    AfterTableChange();
  });
  QObject::connect(analysis_, &TOrbAnalForm1::HelpRequested, &form,
                   [this] { AnalysisHelpRequested(); });

  auto item = [&form](const char* name) {
    return form.findChild<QAction*>(QString::fromLatin1(name));
  };
  auto on = [&form](QAction* action, auto handler) {
    QObject::connect(action, &QAction::triggered, &form, handler);
  };
  on(item("Load1"), [this] { Load1Click(); });
  on(item("BinaryFormat1"), [this] { SaveClick(MeasurementFormat::Binary); });
  on(item("BinaryFormat2"), [this] { SaveClick(MeasurementFormat::Binary); });
  on(item("CSVFormat1"), [this] { SaveClick(MeasurementFormat::Csv); });
  on(item("CSVFormat2"), [this] { SaveClick(MeasurementFormat::Csv); });
  on(item("ReviewData1"), [this] { ReviewData1Click(); });
  on(item("AnalyzeData1"), [this] { AnalyzeData1Click(); });

  // Next and Record may commit while the review window is open; its list follows. These run
  // after the window's own handlers, which were connected first.
  TelescopePanel& controls = form.Controls();
  for (QPushButton* button : {controls.NextBtn, controls.RecordBtn}) {
    QObject::connect(button, &QPushButton::clicked, &form, [this] { AfterTableChange(); });
  }
  on(item("SaveCurrentDateTime1"), [this] { AfterTableChange(); });

  // The telescope view's pop-up menu: the two saves.
  TelescopeView* view = controls.Image1;
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view, &QWidget::customContextMenuRequested, &form, [this, view](QPoint at) {
    form_.SaveMenu().popup(view->mapToGlobal(at));
  });
}

MeasurementCommands::~MeasurementCommands() = default;

void MeasurementCommands::AfterTableChange() {
  // A first commit enables the Data items.
  form_.ApplyMenuState();
  if (review_ && review_->isVisible()) review_->Refill();
}

void MeasurementCommands::CommitAndClearPending() {
  TResultsForm1& results = form_.ResultsForm();
  if (results.isVisible()) results.OKBtnClick();
  if (!form_.Scope().Measurements().NothingPending) form_.Scope().CommitPending(true);
  AfterTableChange();
}

void MeasurementCommands::SaveClick(MeasurementFormat format) {
  CommitAndClearPending();
  const OptsRec& options = form_.Session().Options();
  files_->Save(format, options.UserDir, options.ZoneDiffHrs);
}

void MeasurementCommands::Load1Click() {
  if (!files_->Load(form_.Session().Options().UserDir)) return;
  form_.Session().SetDataItemsEnabled(HasMeasurements(form_.Scope().Measurements()));
  analysis_->ResetAnalysisWindow();
  AfterTableChange();
}

void MeasurementCommands::ReviewData1Click() {
  CommitAndClearPending();
  if (!review_) {
    review_ = new RsltsListForm1(form_.Session(), form_.SearchDialog(),
                                 form_.Scope().Measurements(), form_.ResultsForm(), &form_);
  }
  review_->ShowTable();
}

void MeasurementCommands::AnalyzeData1Click() {
  CommitAndClearPending();
  MeasurementStore& store = form_.Scope().Measurements();
  analysis_->ShowAnalysis(store.table, store.TableChanged);
}

}  // namespace jovi
