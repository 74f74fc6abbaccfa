// The measurement windows in the main window: Record into the results dialog and Next's commit,
// the review window's edit, delete and undo, and the Data menu's save and load through the file
// dialogs (a test double stands in for them).
#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

#include "analysis/ui/orb_anal_form.h"
#include "app/measurement_commands.h"
#include "app/sat_lab_form.h"
#include "astro/satellite_scene.h"
#include "config/options_file.h"
#include "measure/measurement_files.h"
#include "measure/ui/results_form.h"
#include "measure/ui/results_list_form.h"
#include "platform/program_dir.h"
#include "session/ui/date_dialog.h"
#include "session/ui/telescope_panel.h"
#include "session/ui/telescope_view.h"
#include "support/file_helpers.h"
#include "support/home_sandbox.h"
#include "support/main_window_start.h"
#include "support/modal_helpers.h"
#include "support/recording_prompter.h"
#include "support/scripted_file_dialogs.h"
#include "support/screenshot.h"

using jovi::Answer;
using jovi::MeasurementRecord;
using jovi::TSatLabForm1;

namespace {

namespace fs = std::filesystem;

constexpr jovi::Real kStartJD = 2455197.5_r;  // 2010 January 1, 0h UT

// The main window observing at kStartJD, with the build's shipped files, in a sandboxed home.
class Observing {
 public:
  Observing() {
    const std::string program = sandbox_.Root().Path().string() + "/program/";
    fs::create_directories(program);
    const fs::path built = QCoreApplication::applicationDirPath().toStdString();
    for (const char* name : {"Rotation BMPs", "Cloud BMPs", "Leap Seconds.txt",
                             "Outer_Pl_Tbl.dat", "XPXHAIR.CUR", "JupHlp.lst"}) {
      fs::create_symlink(built / name, program + name);
    }
    jovi::SetProgramDir(program);
    jovi::OptsRec options;
    options.LoginRequired = false;
    options.NewtonClouds = false;
    form = jovi::test::OpenMainWindow(program, options, {QStringLiteral("NEWTON")});
    QVERIFY(form);
    form->findChild<QAction*>(QStringLiteral("LogIn1"))->trigger();
    jovi::test::OnNextModal<jovi::TUTTimeDlg>([](jovi::TUTTimeDlg* d) {
      d->JulianFormat->click();
      d->JDEd->setText(QString::number(static_cast<double>(kStartJD), 'f', 6));
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Run1"))->trigger();
    ready = QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }) &&
            Started(*form);
    form->Measurements().SetFileDialogs(&dialogs);
  }
  ~Observing() {
    form.reset();
    jovi::SetProgramDir("");
  }

  jovi::MeasurementStore& Store() { return form->Scope().Measurements(); }
  QAction* Item(const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }
  const jovi::test::Message& Last() { return prompts.prompter.messages.back(); }
  std::string UserFile(const char* name) { return form->Session().Options().UserDir + name; }
  void Fill(std::initializer_list<jovi::Real> dates) {
    for (const jovi::Real jd : dates) {
      MeasurementRecord r;
      r.JulianDay = jd;
      r.Offset[0] = static_cast<float>(jd - 2455000);
      Store().table.InsertOrdered(r);
    }
    form->Session().SetDataSaved(false);
    form->Session().EnableDataItems();
    form->Repaint();
  }
  // The review window, opened through the Data menu, asking through the test's prompter.
  // Nothing when the item is disabled.
  jovi::RsltsListForm1* Review() {
    Item("ReviewData1")->trigger();
    jovi::RsltsListForm1* review = form->Measurements().ReviewWindow();
    if (review) review->SetPrompter(&prompts.prompter);
    return review;
  }

  static bool Started(TSatLabForm1& f) { return f.Scope().Started(); }

  jovi::test::ScopedProgramPrompter prompts;
  jovi::test::ScriptedFileDialogs dialogs;
  bool ready = false;
  std::unique_ptr<TSatLabForm1> form;

 private:
  jovi::test::HomeSandbox sandbox_;
};

}  // namespace

class MeasurementsTest : public QObject {
  Q_OBJECT

 private slots:
  void recordShowsTheResultsDialogAndNextCommitsIt() {
    Observing o;
    QVERIFY(o.ready);
    jovi::TelescopePanel& c = o.form->Controls();
    int moon = 0;
    for (int k = 1; k <= 4 && !moon; ++k) {
      const auto& at = o.form->Scope().Pixels()[static_cast<std::size_t>(k - 1)];
      if (at.X > 3 && at.X < 620 && !jovi::ProgramScene().Satellite(k).Occulted) moon = k;
    }
    QVERIFY(moon != 0);
    const std::size_t m = static_cast<std::size_t>(moon - 1);
    const auto at = o.form->Scope().Pixels()[m];
    QTest::mousePress(c.Image1, Qt::LeftButton, {}, QPoint(at.X, at.Y));
    QTest::mouseRelease(c.Image1, Qt::LeftButton, {}, QPoint(at.X, at.Y));
    QTest::mouseClick(c.RecordBtn, Qt::LeftButton);
    jovi::TResultsForm1& results = o.form->ResultsForm();
    QVERIFY(results.isVisible());
    QCOMPARE(results.windowTitle(), QStringLiteral("Record/Edit Measurements"));
    QVERIFY(results.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(results.JDLbl->text(), QStringLiteral("Julian Day: 2455197.50000"));
    QCOMPARE(results.DTLbl->text(), QStringLiteral("01-01-2010   0Hr 00Min 00Sec"));
    const float measured = o.Store().pending.Offset[m];
    QCOMPARE(results.Fields[m]->text(),
             QString::number(std::fabs(measured), 'f', 2) + (measured >= 0 ? "W" : "E"));
    jovi::test::SaveScreenshot(results, "results_dialog");

    // A value without its letter keeps the dialog open; nothing awaits a commit yet.
    const std::size_t other = (m + 1) % 4;
    results.Fields[other]->setText(QStringLiteral("1.5"));
    QTest::mouseClick(results.OKBtn, Qt::LeftButton);
    QCOMPARE(o.Last().text, "Measured value for " + std::string(jovi::kMoonNames[other]) +
                                " is incorrect!");
    QCOMPARE(o.Last().caption, std::string("Invalid Data!"));
    QVERIFY(results.isVisible());
    results.Fields[other]->setText(QStringLiteral("1.5 e*"));
    QTest::mouseClick(results.OKBtn, Qt::LeftButton);
    QVERIFY(!results.isVisible());
    QVERIFY(!o.form->Session().NothingPending());
    QVERIFY(o.Store().table.IsEmpty());

    QTest::mouseClick(c.NextBtn, Qt::LeftButton);
    QCOMPARE(o.Store().table.Count(), 1);
    const MeasurementRecord& r = *o.Store().table.ItemAt(0);
    QCOMPARE(r.JulianDay, kStartJD);
    QCOMPARE(r.Offset[other], -1.5f);
    QVERIFY(!r.Included[other]);
    QVERIFY(std::fabs(r.Offset[m] - measured) < 0.0051f);
    QVERIFY(o.form->Session().NothingPending());
    QVERIFY(!o.form->Session().DataSaved());
    QVERIFY(o.Item("ReviewData1")->isEnabled());
    QVERIFY(o.Item("AnalyzeData1")->isEnabled());
  }

  void theReviewWindowEditsDeletesAndUndoes() {
    Observing o;
    QVERIFY(o.ready);
    o.Fill({2455001.5_r, 2455002.5_r, 2455003.5_r});
    QVERIFY(o.Review());
    jovi::RsltsListForm1& review = *o.form->Measurements().ReviewWindow();
    QVERIFY(review.isVisible());
    QCOMPARE(review.windowTitle(), QStringLiteral("Review/Edit/Print Measurements"));
    QCOMPARE(review.ListBox1->count(), 8);
    QCOMPARE(review.ListBox1->item(6)->text(),
             QStringLiteral("2455002.50000    2.50   ") + QString(30, QLatin1Char(' ')));
    QVERIFY(!review.UndoEditDelete1->isEnabled());
    QVERIFY(!review.SaveasText1->menuAction()->isVisible());
    jovi::test::SaveScreenshot(review, "review_window");

    review.SelectLine(4);
    review.EditSelectedLine1->trigger();
    QCOMPARE(o.Last().text, std::string("You must select a valid data record!"));
    QCOMPARE(o.Last().caption, std::string("Data Not Selected!"));

    // Edit: the results dialog opens modally over the record; OK writes it back.
    review.SelectLine(6);
    QString shown;
    jovi::test::OnNextModal<jovi::TResultsForm1>([&](jovi::TResultsForm1* d) {
      shown = d->Fields[0]->text();
      d->Fields[1]->setText(QStringLiteral("0.75W*"));
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    o.form->Session().SetDataSaved(true);
    review.EditSelectedLine1->trigger();
    QCOMPARE(shown, QStringLiteral("2.50W"));
    QCOMPARE(o.Store().table.ItemAt(1)->Offset[1], 0.75f);
    QVERIFY(!o.Store().table.ItemAt(1)->Included[1]);
    QCOMPARE(review.ListBox1->item(6)->text(),
             QStringLiteral("2455002.50000    2.50      0.75*  ") + QString(20, QLatin1Char(' ')));
    QCOMPARE(review.CurrentLine(), 6);
    QVERIFY(review.UndoEditDelete1->isEnabled());
    QVERIFY(!o.form->Session().DataSaved());

    // Delete the last record, then undo it.
    review.SelectLine(7);
    o.prompts.prompter.answers = {Answer::Ok, Answer::Ok};
    review.DeleteSelectedLine1->trigger();
    QCOMPARE(o.Last().text, std::string("Delete the selected record?"));
    QCOMPARE(o.Last().caption, std::string("Verify Deletion"));
    QCOMPARE(o.Store().table.Count(), 2);
    QCOMPARE(review.ListBox1->count(), 7);
    QCOMPARE(review.CurrentLine(), 6);
    review.UndoEditDelete1->trigger();
    QCOMPARE(o.Last().text, std::string("Restore the modified/deleted record?"));
    QCOMPARE(o.Last().caption, std::string("Undo Edit/Delete?"));
    QCOMPARE(o.Store().table.Count(), 3);
    QCOMPARE(o.Store().table.ItemAt(2)->JulianDay, 2455003.5_r);
    QCOMPARE(review.CurrentLine(), 7);
    QVERIFY(!review.UndoEditDelete1->isEnabled());

    // A double-click edits too; Cancel leaves the record as it was.
    jovi::test::OnNextModal<jovi::TResultsForm1>([](jovi::TResultsForm1* d) {
      d->Fields[0]->setText(QStringLiteral("9W"));
      QTest::mouseClick(d->CancelBtn, Qt::LeftButton);
    });
    QListWidget* list = review.ListBox1;
    const QPoint line5 = list->visualItemRect(list->item(5)).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line5);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(o.Store().table.ItemAt(0)->Offset[0], 1.5f);
  }

  void reviewAndAnalyzeCommitTheConfirmedMeasurementAndALoadLeavesItAlone() {
    Observing o;
    QVERIFY(o.ready);
    o.Fill({2455001.5_r});
    jovi::TResultsForm1& results = o.form->ResultsForm();
    o.Store().pending.JulianDay = kStartJD;
    results.ShowNonModal();
    results.Fields[2]->setText(QStringLiteral("4.25w"));
    // A load neither takes the typed value nor touches the pending record.
    const std::string empty = o.UserFile("nothing.CSV");
    std::ofstream(empty) << "Julian Date\r\n";
    o.dialogs.answers = {empty};
    o.prompts.prompter.answers = {Answer::Yes};  // merged: the table keeps its record
    o.Item("Load1")->trigger();
    QCOMPARE(o.Store().table.Count(), 1);
    QVERIFY(results.isVisible());
    QCOMPARE(o.Store().pending.JulianDay, kStartJD);
    QVERIFY(o.form->Session().NothingPending());

    // Review runs the dialog's OK, commits and starts a fresh pending record.
    QVERIFY(o.Review());
    QVERIFY(!results.isVisible());
    QCOMPARE(o.Store().table.Count(), 2);
    QCOMPARE(o.Store().table.ItemAt(1)->Offset[2], 4.25f);
    QCOMPARE(o.Store().pending.JulianDay, 0.0_r);
    QVERIFY(o.Item("AnalyzeData1")->isEnabled());

    // Analyze takes the changed table; a point left out there leaves the data unsaved.
    o.form->Session().SetDataSaved(true);
    o.Item("AnalyzeData1")->trigger();
    QVERIFY(o.form->Measurements().AnalysisWindow().isVisible());
    QVERIFY(!o.Store().TableChanged);
    emit o.form->Measurements().AnalysisWindow().IncludedChanged();
    QVERIFY(!o.form->Session().DataSaved());
  }

  void saveAndLoadThroughTheFileDialogs() {
    Observing o;
    QVERIFY(o.ready);
    // Nothing recorded yet.
    o.Item("BinaryFormat1")->trigger();
    QCOMPARE(o.Last().text, std::string("Nothing to save!"));
    QVERIFY(o.dialogs.requests.empty());

    o.Fill({2455001.5_r, 2455003.5_r});
    const std::string dat = o.UserFile("week.DAT");
    const std::string csv = o.UserFile("week.csv");
    o.dialogs.answers = {o.UserFile("week.txt"), dat, csv};
    o.Item("BinaryFormat1")->trigger();
    QCOMPARE(o.Last().text, std::string("File format (.TXT) is invalid!  Must be .DAT for binary file"));
    QCOMPARE(o.Last().caption, std::string("Cannot Save File!"));
    QVERIFY(!o.form->Session().DataSaved());
    o.form->SaveMenu().findChild<QAction*>(QStringLiteral("BinaryFormat2"))->trigger();
    QCOMPARE(jovi::test::ReadAll(dat).size(), 64u);
    QVERIFY(o.form->Session().DataSaved());
    o.Item("CSVFormat1")->trigger();
    QCOMPARE(jovi::ReadCsvFile(csv).records.size(), 2u);
    QCOMPARE(o.dialogs.requests[0].folder, o.form->Session().Options().UserDir);
    QCOMPARE(o.dialogs.requests[0].file_name, std::string("JupSatData1"));
    QCOMPARE(o.dialogs.requests[2].file_name, o.UserFile("week"));
    QCOMPARE(o.dialogs.requests[2].filter, std::string("Spreadsheet (.CSV) Format|*.CSV"));

    // The analysis window is open when a file is merged in: it is reset and closed.
    o.Item("AnalyzeData1")->trigger();
    QVERIFY(o.form->Measurements().AnalysisWindow().isVisible());
    jovi::MeasurementStore other;
    MeasurementRecord r;
    r.JulianDay = 2455002.5_r;
    r.Offset[2] = -3.25f;
    other.table.InsertOrdered(r);
    const std::string more = o.UserFile("more.DAT");
    QVERIFY(jovi::WriteBinaryFile(more, other).Ok());
    o.dialogs.answers = {o.UserFile("notes.txt"), more};
    o.Item("Load1")->trigger();
    QCOMPARE(o.Last().text, std::string("File format (.TXT) is invalid!  Must be .DAT or .CSV."));
    QCOMPARE(o.Last().caption, std::string("Cannot Load File!"));
    o.prompts.prompter.answers = {Answer::Yes};
    o.Item("Load1")->trigger();
    QCOMPARE(o.Last().text, "Data loaded from " + more + ".\r\n\r\nMerged with existing data.");
    QCOMPARE(o.Store().table.Count(), 3);
    QCOMPARE(o.Store().table.ItemAt(1)->Offset[2], -3.25f);
    QVERIFY(!o.form->Session().DataSaved());
    QVERIFY(!o.form->Measurements().AnalysisWindow().isVisible());
    QVERIFY(o.Store().TableChanged);

    // Replacing with a file that holds nothing leaves the Data items disabled.
    const std::string empty = o.UserFile("empty.CSV");
    std::ofstream(empty) << "no heading\r\n";
    o.dialogs.answers = {empty};
    o.prompts.prompter.answers = {Answer::No, Answer::Yes};
    o.Item("Load1")->trigger();
    QCOMPARE(o.Last().text, empty + " contains no valid data!");
    QVERIFY(o.Store().table.IsEmpty());
    QVERIFY(!o.Item("ReviewData1")->isEnabled());
    QVERIFY(!o.Item("AnalyzeData1")->isEnabled());
    QVERIFY(o.form->Session().DataSaved());

    // The telescope view's pop-up menu offers the two saves.
    QWidget* view = o.form->Controls().Image1;
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20), view->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(view, &click);
    QTRY_VERIFY(o.form->SaveMenu().isVisible());
    QStringList items;
    for (QAction* a : o.form->SaveMenu().actions()) items << a->text();
    QCOMPARE(items, QStringList({"Save data in &Binary Format...", "Save data in .&CSV Format..."}));
    o.form->SaveMenu().close();
  }
};

QTEST_MAIN(MeasurementsTest)
#include "measurements_test.moc"
#include "util/real.h"
