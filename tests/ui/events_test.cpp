// The light-time exercise's windows offscreen: the phenomena list, the event record dialog and
// the event list, alone and through the main window in the ROEMER exercise (Record, the saved
// events item, the phenomena item).
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/event_commands.h"
#include "app/sat_lab_form.h"
#include "astro/time_scales.h"
#include "phenomena/observing_day_lines.h"
#include "phenomena/ui/phenom_list_form.h"
#include "report/ui/search_string_dialog.h"
#include "session/exercise_session.h"
#include "session/ui/event_list_form.h"
#include "session/ui/record_event_form.h"
#include "session/ui/telescope_panel.h"
#include "support/civil_dates.h"
#include "support/home_sandbox.h"
#include "support/list_items.h"
#include "support/modal_helpers.h"
#include "support/observing_window.h"
#include "support/recording_print_surface.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"
#include "util/ui/qt_print_surface.h"

namespace {

const QString kDegree = QString(QChar(0x00B0));

jovi::DateTimeRec ObservationAt(jovi::Real ut_jd) {
  jovi::DateTimeRec rec;
  jovi::SetFromJD(rec, ut_jd);
  return rec;
}

using jovi::test::Items;

}  // namespace

class EventsTest : public QObject {
  Q_OBJECT

 private:
  jovi::test::RecordingPrompter prompter_;
  std::unique_ptr<jovi::ExerciseSession> session_;
  std::unique_ptr<jovi::TGetSrchStrDlg> search_;

 private slots:
  void initTestCase() { jovi::test::UseBuiltEphemerides(); }
  void init() {
    session_ = std::make_unique<jovi::ExerciseSession>(prompter_);
    search_ = std::make_unique<jovi::TGetSrchStrDlg>();
    prompter_.messages.clear();
  }

  void phenomenaWindowListsTheEventsWithTheDegreeSign() {
    jovi::test::HomeSandbox sandbox;  // no observing site stored
    jovi::PhenomListForm1 form(*session_, *search_);
    form.SetPrompter(&prompter_);
    form.ShowPhenomena(ObservationAt(jovi::test::CivilJD(1992, 12, 16)));
    QCOMPARE(form.windowTitle(), QStringLiteral("Planetary Phenomena"));
    const QStringList items = Items(*form.ListBox1);
    // The phenomena's sixteen lines, then the observer's three saying no site is set.
    QCOMPARE(items.size(), 19);
    QCOMPARE(form.SiteFirstLine(), 16);
    QCOMPARE(items[16], QString());
    QCOMPARE(items[17], QString::fromLatin1(jovi::kNoSiteLine));
    QCOMPARE(items[0], QStringLiteral("Jupiter phenomena occurring near December 16, 1992"));
    QCOMPARE(items[2], QStringLiteral("Opposition:"));
    const QRegularExpression event(QStringLiteral(
        "^     \\w+ \\d+, \\d{4} +\\d+:\\d\\d:\\d\\d UT \\(JD: \\d{7}\\.\\d{6}\\)$"));
    for (int line : {3, 6, 9, 12})
      QVERIFY2(event.match(items[line]).hasMatch(), qPrintable(items[line]));
    QCOMPARE(items[8],
             QStringLiteral("Quadrature (Sun Elongation 90") + kDegree + QStringLiteral(" West):"));
    QCOMPARE(items[11],
             QStringLiteral("Quadrature (Sun Elongation 90") + kDegree + QStringLiteral(" East):"));
    QVERIFY(items[14].startsWith(QStringLiteral("Earth-Jupiter Distance December 16, 1992")));
    QVERIFY(
        QRegularExpression(QStringLiteral("^     \\d\\.\\d{5} AU \\(\\d\\.\\d{5}E\\+\\d\\d Km\\)$"))
            .match(items[15])
            .hasMatch());
    QVERIFY(prompter_.messages.empty());  // every root found

    // Print and close only.
    QVERIFY(!form.Search1->isVisible());
    QVERIFY(!form.Edit1->menuAction()->isVisible());
    QVERIFY(!form.SaveasText1->menuAction()->isVisible());
    QVERIFY(form.Print1->isVisible());
    QVERIFY(form.Close1->isVisible());
    jovi::test::SaveScreenshot(form, "phenomena_list");

    // The degree sign reaches the printer as the same character.
    jovi::test::RecordingPrintSurface surface;
    form.PrintTo(surface);
    bool found = false;
    for (const auto& p : surface.printed) {
      found = found || p.text == "Quadrature (Sun Elongation 90\u00b0 East):";
    }
    QVERIFY(found);
    QCOMPARE(surface.printed[2].text, std::string("Planetary Phenomena"));

    // And on paper: a PDF printout read back as text.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("phenomena.pdf")));
    {
      jovi::QtPrintSurface pdf(printer);
      form.PrintTo(pdf);
    }
    QProcess reader;
    reader.start(pdftotext,
                 {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(20000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Quadrature (Sun Elongation 90") + kDegree +
                           QStringLiteral(" West):")),
             qPrintable(text));
  }

  void recordDialogShowsTheTimeAndStoresTheEvents() {
    jovi::EventList events;
    jovi::TRecordEventForm1 dialog(events, prompter_);
    const jovi::DateTimeRec at = ObservationAt(jovi::test::CivilJD(1992, 12, 16, 2, 30));
    dialog.PrepareFor(at);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Record Event Date/Time"));
    QCOMPARE(dialog.size(), QSize(258, 225));
    QCOMPARE(dialog.JDEd->text(), QStringLiteral("2448972.604167"));
    QCOMPARE(dialog.DateEd->text(), QStringLiteral("1992/12/16"));
    QCOMPARE(dialog.TimeEd->text(), QStringLiteral("02:30:00"));
    QCOMPARE(dialog.AUEd->text(), QStringLiteral("5.65952"));
    QCOMPARE(dialog.KmEd->text(), QStringLiteral("8.46652E+08"));
    for (QLineEdit* field : {dialog.JDEd, dialog.DateEd, dialog.TimeEd, dialog.AUEd, dialog.KmEd}) {
      QVERIFY(field->isReadOnly());
    }
    QVERIFY(dialog.EventBox->isEditable());
    QCOMPARE(dialog.EventBox->count(), 2);
    dialog.show();
    jovi::test::SaveScreenshot(dialog, "record_event");

    // Two records at one time, in order; a free text cut to 80; an empty text.
    const QString long_text = QString(90, QLatin1Char('x'));
    for (const QString& text :
         {dialog.EventBox->itemText(0), QStringLiteral("Io is late"), long_text, QString()}) {
      dialog.PrepareFor(at);
      dialog.EventBox->setEditText(text);
      dialog.OKBtn->click();
    }
    QCOMPARE(events.Count(), 4);
    QCOMPARE(events.ItemAt(0)->Event, std::string("Io is entering eclipse."));
    QCOMPARE(events.ItemAt(1)->Event, std::string("Io is late"));
    QCOMPARE(events.ItemAt(2)->Event, std::string(80, 'x'));
    QCOMPARE(events.ItemAt(3)->Event, std::string());
    QCOMPARE(prompter_.messages.size(), std::size_t{4});
    QCOMPARE(prompter_.messages[0].caption, std::string("Event Data Saved"));
    QCOMPARE(prompter_.messages[0].text, jovi::EventSavedText());
    QCOMPARE(prompter_.messages[0].icon, jovi::Icon::Information);

    // Cancel stores nothing.
    jovi::test::OnNextModal<jovi::TRecordEventForm1>(
        [](jovi::TRecordEventForm1* d) { d->CancelBtn->click(); });
    QVERIFY(!dialog.RecordEvent(at));
    QCOMPARE(events.Count(), 4);

    // The event list: two lines, the event when there is one, a blank; nothing new until
    // it is shown again.
    jovi::TEventListForm1 list(*session_, *search_);
    list.ShowEvents(events, 0);
    QCOMPARE(list.windowTitle(), QStringLiteral("Event Data"));
    const QStringList items = Items(*list.ListBox1);
    QCOMPARE(items.size(), 4 * 4 - 1);
    QCOMPARE(items[0], QStringLiteral("December 16, 1992  2:30:00 UT (JD: 2448972.604167)"));
    QCOMPARE(items[1], QStringLiteral("Jupiter-Earth Distance: 5.65952 AU (8.46652E+08 Km)"));
    QCOMPARE(items[2], QStringLiteral("Event: Io is entering eclipse."));
    QCOMPARE(items[3], QString());
    QCOMPARE(items[6], QStringLiteral("Event: Io is late"));
    QCOMPARE(items[10], QStringLiteral("Event: ") + QString(80, QLatin1Char('x')));
    QCOMPARE(items.mid(12), (QStringList{items[0], items[1], QString()}));
    QVERIFY(!list.Search1->isVisible());
    QVERIFY(!list.Edit1->menuAction()->isVisible());
    jovi::test::SaveScreenshot(list, "event_list");
    dialog.PrepareFor(at);
    dialog.OKBtn->click();
    QCOMPARE(list.ListBox1->count(), 15);
    list.ShowEvents(events, 0);
    QCOMPARE(list.ListBox1->count(), 18);  // the box still empty: no event line
  }

  void mainWindowRecordsEventsInTheLightTimeExercise() {
    jovi::test::ObservingWindow setup;
    const auto window = setup.Observe("ROEMER", QStringLiteral("2448972.604167"));
    QVERIFY(window);
    jovi::TSatLabForm1& form = *window;
    auto& prompts = setup.prompts;

    QVERIFY(prompts.prompter.messages.empty());
    QAction* saved = form.findChild<QAction*>(QStringLiteral("ListSavedDateTime1"));
    QVERIFY(!saved->isEnabled());
    QVERIFY(form.Controls().RecordBtn->isEnabled());
    jovi::test::OnNextModal<jovi::TRecordEventForm1>([](jovi::TRecordEventForm1* d) {
      QCOMPARE(d->JDEd->text(), QStringLiteral("2448972.604167"));
      d->OKBtn->click();
    });
    QTest::mouseClick(form.Controls().RecordBtn, Qt::LeftButton);
    QCOMPARE(form.Events().Events().Count(), 1);
    QVERIFY(saved->isEnabled());
    QCOMPARE(prompts.prompter.messages.back().caption, std::string("Event Data Saved"));
    form.NextBtnClick();
    QVERIFY(form.Controls().RecordBtn->isEnabled());  // stays enabled in this exercise

    saved->trigger();
    QVERIFY(form.Events().EventListForm()->isVisible());
    QCOMPARE(form.Events().EventListForm()->ListBox1->count(), 4);
    form.findChild<QAction*>(QStringLiteral("JupiterPhenomena1"))->trigger();
    QVERIFY(form.Events().PhenomListForm()->isVisible());
    QCOMPARE(form.Events().PhenomListForm()->ListBox1->count(), 16 + 3);  // and "no site"
  }
};

QTEST_MAIN(EventsTest)
#include "events_test.moc"
#include "util/real.h"
