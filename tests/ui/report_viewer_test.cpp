// The report viewer offscreen through a small specialisation: its size for short and long
// reports, searching through the search dialog (across a line break, without case, not found),
// printing into the recording printer, saving as text with the check marks at the next show,
// hidden items, the list's double-click and mouse release reaching the specialisation, closing.
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <memory>

#include "report/ui/info_list_form.h"
#include "report/ui/search_string_dialog.h"
#include "session/exercise_session.h"
#include "support/file_helpers.h"
#include "support/modal_helpers.h"
#include "support/recording_print_surface.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"
#include "support/temp_dir.h"

namespace {

// What a specialisation does: a caption, hidden items and reactions to the list.
class SampleListForm : public jovi::TInfoListForm1 {
 public:
  SampleListForm(jovi::ExerciseSession& session, jovi::TGetSrchStrDlg& search)
      : TInfoListForm1(session, search) {
    setWindowTitle(QStringLiteral("Sample Report"));
    SetReportName("SAMPLE");
  }
  int double_clicks = 0;
  int releases = 0;
  int edits = 0;

 protected:
  void ListBox1DblClick() override {
    ++double_clicks;
    SelectedIndex = CurrentLine();
  }
  void ListBox1MouseUp(Qt::MouseButton) override { ++releases; }
  void EditSelectedLine1Click() override { ++edits; }
};

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back("  Line number " + std::to_string(i));
  return lines;
}

const std::vector<std::string> kPhrase = {
    "Jupiter at opposition",   // 0
    "   Io enters the shadow", // 1
    "EUROPA transits",         // 2
    "the light time of the",   // 3
    "  orbit of the Earth",    // 4
    "end of report",           // 5
};

}  // namespace

class ReportViewerTest : public QObject {
  Q_OBJECT

 private:
  jovi::test::RecordingPrompter prompter_;
  std::unique_ptr<jovi::ExerciseSession> session_;
  std::unique_ptr<jovi::TGetSrchStrDlg> search_;
  std::unique_ptr<SampleListForm> form_;

  int RowHeight() const {
    return std::max(16, QFontMetrics(form_->ListBox1->font()).height());
  }
  int ClientHeight() const {
    return form_->ListBox1->height() - 2 * form_->ListBox1->frameWidth();
  }

  // Searches through the dialog as a student would: the text, the box and a button.
  void SearchFor(const QString& text, bool case_dependent, QPushButton* jovi::TGetSrchStrDlg::*button) {
    jovi::test::OnNextModal<jovi::TGetSrchStrDlg>([=](jovi::TGetSrchStrDlg* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Find Text String"));
      dialog->SrchStr1->setText(text);
      dialog->CaseCheck->setChecked(case_dependent);
      (dialog->*button)->click();
    });
    form_->Search1->trigger();
  }

 private slots:
  void init() {
    session_ = std::make_unique<jovi::ExerciseSession>(prompter_);
    search_ = std::make_unique<jovi::TGetSrchStrDlg>();
    form_ = std::make_unique<SampleListForm>(*session_, *search_);
    form_->SetPrompter(&prompter_);
    prompter_.messages.clear();
  }
  void cleanup() {
    form_.reset();
    search_.reset();
    session_.reset();
  }

  void opensToTheSizeOfItsText() {
    form_->SetLines(Numbered(5));
    form_->ShowReport();
    QCOMPARE(ClientHeight(), static_cast<int>(std::nearbyint(6.3 * RowHeight())));
    QCOMPARE(form_->ListBox1->count(), 5);
    jovi::test::SaveScreenshot(*form_, "report_viewer_short");

    form_->SetLines(Numbered(30));
    form_->ShowReport();
    QCOMPARE(ClientHeight(), static_cast<int>(std::nearbyint(22.3 * RowHeight())));
    const int widest = QFontMetrics(form_->ListBox1->font())
                           .horizontalAdvance(QStringLiteral("  Line number 29"));
    QCOMPARE(form_->ListBox1->width() - 2 * form_->ListBox1->frameWidth(),
             std::max(200, widest) + 30);
    QCOMPARE(form_->ListBox1->font().family(), QStringLiteral("Courier New"));
    QVERIFY(form_->ListBox1->font().bold());
    jovi::test::SaveScreenshot(*form_, "report_viewer_long");
  }

  void searchesAcrossLineBreaksWithoutCase() {
    form_->SetLines(kPhrase);
    form_->ShowReport();
    const struct {
      const char* name;
      QString text;
      bool case_dependent;
      QPushButton* jovi::TGetSrchStrDlg::*button;
      int selected_before;
      int selected_after;
    } cases[] = {
        {"phrase over lines 3 and 4 selects 3", "time of the orbit", false,
         &jovi::TGetSrchStrDlg::SrchTopBtn, -1, 3},
        {"wholly in line 4 selects 4", "orbit of", false, &jovi::TGetSrchStrDlg::SrchTopBtn, -1,
         4},
        {"lower case finds upper case", "europa", false, &jovi::TGetSrchStrDlg::SrchTopBtn, -1,
         2},
        {"from the cursor skips earlier lines", "e", false, &jovi::TGetSrchStrDlg::SrchNextBtn,
         3, 4},
    };
    for (const auto& c : cases) {
      form_->SelectLine(c.selected_before);
      SearchFor(c.text, c.case_dependent, c.button);
      QVERIFY2(form_->CurrentLine() == c.selected_after, c.name);
    }
    QVERIFY(prompter_.messages.empty());

    // Case dependent misses, and a search from the last line finds nothing: the message,
    // the selection unchanged.
    form_->SelectLine(1);
    SearchFor(QStringLiteral("europa"), true, &jovi::TGetSrchStrDlg::SrchTopBtn);
    QCOMPARE(form_->CurrentLine(), 1);
    form_->SelectLine(5);
    SearchFor(QStringLiteral("end"), false, &jovi::TGetSrchStrDlg::SrchNextBtn);
    QCOMPARE(form_->CurrentLine(), 5);
    QCOMPARE(prompter_.messages.size(), std::size_t{2});
    QCOMPARE(prompter_.messages[0].text, std::string("\"europa\" Not Found."));
    QCOMPARE(prompter_.messages[1].text, std::string("\"end\" Not Found."));
    QCOMPARE(prompter_.messages[1].caption, std::string("String Not Found"));
    QCOMPARE(prompter_.messages[1].icon, jovi::Icon::Information);

    // Cancel: nothing happens.
    jovi::test::OnNextModal<jovi::TGetSrchStrDlg>(
        [](jovi::TGetSrchStrDlg* dialog) { dialog->SrchCancelBtn->click(); });
    form_->Search1->trigger();
    QCOMPARE(prompter_.messages.size(), std::size_t{2});
    QCOMPARE(form_->CurrentLine(), 5);
  }

  void activationEmptiesTheSearch() {
    search_->Request() = {"old text", jovi::SearchStart::FromTop, true};
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form_.get(), &activate);
    QCOMPARE(search_->Request().SearchText, std::string());
    QCOMPARE(search_->Request().StartMode, jovi::SearchStart::Cancelled);
    QVERIFY(!search_->Request().CaseDependent);
    QVERIFY(!form_->CommaDelimit->isEnabled());
  }

  void printsTheCaptionAndLinesAndMarksItAtTheNextShow() {
    form_->SetLines(kPhrase);
    form_->ShowReport();
    QVERIFY(!form_->Print1->isChecked());
    jovi::test::RecordingPrintSurface surface;
    form_->PrintTo(surface);
    QCOMPARE(surface.documents, 1);
    const auto& printed = surface.printed;
    QCOMPARE(printed.size(), std::size_t{3 + kPhrase.size()});  // clock, name, caption, lines
    QCOMPARE(printed[2].text, std::string("Sample Report"));
    QCOMPARE(printed[3].text, kPhrase[0]);
    QCOMPARE(printed[3].x, 12 * 7 + 50);
    QVERIFY(form_->isEnabled());
    QVERIFY(!form_->Print1->isChecked());  // only at the next show
    form_->ShowReport();
    QVERIFY(form_->Print1->isChecked());
  }

  void savesAsTextAndMarksItAtTheNextShow() {
    jovi::test::TempDir dir;
    form_->SetLines(kPhrase);
    form_->ShowReport();
    const std::string path = dir.File("SAMPLE.TXT");
    QVERIFY(form_->SaveTextTo(path));
    std::string expected;
    for (const auto& line : kPhrase) expected += line + "\r\n";
    QCOMPARE(jovi::test::ReadAll(path), expected);
    QCOMPARE(prompter_.messages.back().text, std::string("Report Text Written to SAMPLE.TXT."));
    QVERIFY(!form_->SaveasText1->menuAction()->isChecked());
    form_->ShowReport();
    QVERIFY(form_->SaveasText1->menuAction()->isChecked());
    QVERIFY(form_->Print1->isChecked());

    // Through the menu, cancelled: the dialog offers the report's name in the last folder,
    // and both marks go at the next show.
    jovi::test::OnNextModal<QFileDialog>([&dir](QFileDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Save Report in Text File"));
      QCOMPARE(dialog->defaultSuffix(), QStringLiteral("TXT"));
      QCOMPARE(dialog->selectedFiles().value(0),
               QString::fromStdString(dir.File("SAMPLE.TXT")));
      QMetaObject::invokeMethod(dialog, "reject");
    });
    form_->AsDisplayed1->trigger();
    form_->ShowReport();
    QVERIFY(!form_->SaveasText1->menuAction()->isChecked());
    QVERIFY(!form_->Print1->isChecked());

    form_->CommaDelimit->setEnabled(true);
    form_->CommaDelimit->trigger();
    QCOMPARE(prompter_.messages.back().text,
             std::string("Comma-Delimited Output not Available for Displayed Material."));
    QCOMPARE(prompter_.messages.back().caption, std::string("Not Available"));
  }

  void specialisationHidesItemsAndHearsTheList() {
    form_->HideItems({"Edit1", "Search1", "N2", "N3", "SaveasText1"});
    QVERIFY(!form_->Edit1->menuAction()->isVisible());
    QVERIFY(!form_->Search1->isVisible());
    QVERIFY(!form_->SaveasText1->menuAction()->isVisible());
    QVERIFY(form_->Print1->isVisible());
    QVERIFY(form_->Close1->isVisible());

    form_->SetLines(kPhrase);
    form_->ShowReport();
    QWidget* viewport = form_->ListBox1->viewport();
    const QPoint on_line_2 = form_->ListBox1->visualItemRect(form_->ListBox1->item(2)).center();
    QTest::mouseClick(viewport, Qt::RightButton, {}, on_line_2);
    QCOMPARE(form_->releases, 1);
    QCOMPARE(form_->LastMouseButton, Qt::RightButton);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, on_line_2);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, on_line_2);
    QCOMPARE(form_->double_clicks, 1);
    QCOMPARE(form_->SelectedIndex, 2);
    form_->EditSelectedLine1->trigger();
    QCOMPARE(form_->edits, 1);

    form_->Close1->trigger();
    QVERIFY(!form_->isVisible());
    form_->ShowReport();  // kept for reuse
    QVERIFY(form_->isVisible());
  }
};

QTEST_MAIN(ReportViewerTest)
#include "report_viewer_test.moc"
