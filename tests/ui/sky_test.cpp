// The observer's place offscreen: the "Observing Site" dialog and its stored place, the
// phenomena list's lines for the place, and Preferences > Observing Site in the main window.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/event_commands.h"
#include "app/sat_lab_form.h"
#include "phenomena/jupiter_phenomena.h"
#include "phenomena/observing_day_lines.h"
#include "phenomena/ui/phenom_list_form.h"
#include "report/ui/search_string_dialog.h"
#include "session/exercise_session.h"
#include "sky/ui/observing_site_dialog.h"
#include "sky/ui/site_settings.h"
#include "support/civil_dates.h"
#include "support/home_sandbox.h"
#include "support/list_items.h"
#include "support/modal_helpers.h"
#include "support/observing_window.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"
#include "util/ui/qt_text.h"

namespace {

using jovi::test::Items;

void Type(jovi::TObservingSiteDlg& d, const char* lat, const char* lon, const char* height,
          const char* name) {
  d.LatitudeEd->setText(QString::fromUtf8(lat));
  d.LongitudeEd->setText(QString::fromUtf8(lon));
  d.HeightEd->setText(QString::fromUtf8(height));
  d.NameEd->setText(QString::fromUtf8(name));
}

}  // namespace

class SkyTest : public QObject {
  Q_OBJECT

 private:
  jovi::test::RecordingPrompter prompter_;

 private slots:
  void initTestCase() { jovi::test::UseBuiltEphemerides(); }

  void dialogChecksStoresAndClearsThePlace() {
    jovi::test::HomeSandbox sandbox;
    QCOMPARE(jovi::ObservingSiteFile(),
             QString::fromStdString(sandbox.Home() + ".config/ZEVA/Jovitrack.conf"));
    QVERIFY(!jovi::LoadObservingSite());

    jovi::TObservingSiteDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Observing Site"));
    dialog.ShowPlace(std::nullopt);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    jovi::test::SaveScreenshot(dialog, "observing_site_empty");

    // A bad latitude: the core's message under the fields, the field focused, nothing stored.
    Type(dialog, "52.37E", "4.89E", "", "");
    dialog.OKBtn->click();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.ErrorLbl->isVisible());
    QVERIFY2(dialog.ErrorLbl->text().contains(QStringLiteral("takes the letters N and S")),
             qPrintable(dialog.ErrorLbl->text()));
    QCOMPARE(QApplication::focusWidget(), dialog.LatitudeEd);
    jovi::test::SaveScreenshot(dialog, "observing_site_error");
    QVERIFY(!QFile::exists(jovi::ObservingSiteFile()));

    Type(dialog, "52.37N", "4.89E", "99999", "");
    dialog.OKBtn->click();
    QVERIFY(dialog.ErrorLbl->text().contains(QStringLiteral("height")));
    QCOMPARE(QApplication::focusWidget(), dialog.HeightEd);

    // Both coordinates in the first field, a height and a name: stored, and read back.
    Type(dialog, "52.37N 4.89E", "", "2", "  Amsterdam ");
    dialog.OKBtn->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const std::optional<jovi::ObserverPlace> stored = jovi::LoadObservingSite();
    QVERIFY(stored);
    QCOMPARE(stored->latitude_deg, 52.37);
    QCOMPARE(stored->longitude_deg, 4.89);
    QCOMPARE(stored->height_m, 2.0);
    QCOMPARE(stored->name, std::string("Amsterdam"));
    {
      QSettings file(jovi::ObservingSiteFile(), QSettings::IniFormat);
      QCOMPARE(file.value(QStringLiteral("ObservingSite/Name")).toString(),
               QStringLiteral("Amsterdam"));
    }

    // Shown again, the fields hold the stored place; Cancel keeps it.
    jovi::test::OnNextModal<jovi::TObservingSiteDlg>([](jovi::TObservingSiteDlg* d) {
      QCOMPARE(d->LatitudeEd->text(), QStringLiteral("52.3700N"));
      QCOMPARE(d->LongitudeEd->text(), QStringLiteral("4.8900E"));
      QCOMPARE(d->HeightEd->text(), QStringLiteral("2"));
      QCOMPARE(d->NameEd->text(), QStringLiteral("Amsterdam"));
      jovi::test::SaveScreenshot(*d, "observing_site_stored");
      d->CancelBtn->click();
    });
    QVERIFY(!dialog.Edit());
    QVERIFY(jovi::LoadObservingSite());

    // Clear Site forgets it.
    jovi::test::OnNextModal<jovi::TObservingSiteDlg>(
        [](jovi::TObservingSiteDlg* d) { d->ClearBtn->click(); });
    QVERIFY(dialog.Edit());
    QVERIFY(!dialog.Place());
    QVERIFY(!jovi::LoadObservingSite());
  }

  void damagedSettingsAreNoPlace() {
    jovi::test::HomeSandbox sandbox;
    std::filesystem::create_directories(sandbox.Home() + ".config/ZEVA");
    for (const char* text : {"[ObservingSite]\nLatitude=95\nLongitude=4\n",
                             "[ObservingSite]\nLatitude=abc\nLongitude=4\n",
                             "[ObservingSite]\nLatitude=52\n", "garbage\x01\x02"}) {
      std::ofstream(sandbox.Home() + ".config/ZEVA/Jovitrack.conf") << text;
      QVERIFY2(!jovi::LoadObservingSite(), text);
    }
    std::ofstream(sandbox.Home() + ".config/ZEVA/Jovitrack.conf")
        << "[ObservingSite]\nLatitude=-33.87\nLongitude=151.21\n";
    const auto place = jovi::LoadObservingSite();
    QVERIFY(place);
    QCOMPARE(place->height_m, 0.0);
    QCOMPARE(place->name, std::string());
  }

  void phenomenaListAddsTheObserversLines() {
    jovi::test::HomeSandbox sandbox;
    jovi::ExerciseSession session(prompter_);
    jovi::TGetSrchStrDlg search;
    jovi::PhenomListForm1 form(session, search);
    form.SetPrompter(&prompter_);
    const jovi::DateTimeRec at = jovi::test::CivilDate(2024, 1, 21, 20, 0);

    // No place: the list says so, and a double-click on those lines offers the dialog.
    form.ShowPhenomena(at);
    QCOMPARE(form.ListBox1->count(), 19);
    QVERIFY(form.ObservingSite1->isVisible());
    jovi::test::SaveScreenshot(form, "phenomena_without_site");
    jovi::test::OnNextModal<jovi::TObservingSiteDlg>([](jovi::TObservingSiteDlg* d) {
      Type(*d, "52.37N", "4.89E", "", "Amsterdam");
      d->OKBtn->click();
    });
    const QPoint no_site_line = form.ListBox1->visualItemRect(form.ListBox1->item(17)).center();
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, no_site_line);
    QTest::mouseDClick(form.ListBox1->viewport(), Qt::LeftButton, {}, no_site_line);
    QTRY_COMPARE(form.ListBox1->count(), 16 + 8);

    // The phenomena's sixteen lines exactly as before, then the place's, from the core.
    const QStringList items = Items(*form.ListBox1);
    jovi::TJupPhenomObj phenomena;
    phenomena.ComputePhenomena(at);
    const std::vector<std::string> own = phenomena.Lines();
    for (int i = 0; i < 16; ++i) QCOMPARE(items[i], jovi::ToQt(own[static_cast<std::size_t>(i)]));
    // The session's options say UT - 0 h unless told otherwise: the UT date.
    const std::vector<std::string> sky = jovi::ObservingDayLines(jovi::LoadObservingSite(), at, 0);
    QCOMPARE(sky.size(), std::size_t{8});
    for (int i = 0; i < 8; ++i) {
      QCOMPARE(items[16 + i], jovi::ToQt(sky[static_cast<std::size_t>(i)]));
    }
    QVERIFY2(items[17].startsWith(QStringLiteral("Rise, transit and set at Amsterdam")),
             qPrintable(items[17]));
    QVERIFY2(items[19].startsWith(QStringLiteral("     Jupiter rises:    10:45 local = 10:45 UT")),
             qPrintable(items[19]));
    jovi::test::SaveScreenshot(form, "phenomena_with_site");

    // A double-click on the phenomena's own lines opens nothing.
    const QPoint own_line = form.ListBox1->visualItemRect(form.ListBox1->item(3)).center();
    QTest::mouseClick(form.ListBox1->viewport(), Qt::LeftButton, {}, own_line);
    QTest::mouseDClick(form.ListBox1->viewport(), Qt::LeftButton, {}, own_line);
    QTest::qWait(50);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void mainWindowSetsTheSiteFromPreferences() {
    jovi::test::ObservingWindow setup;
    setup.options.ZoneDiffHrs = 5;  // US Eastern Standard Time
    const auto window = setup.Observe("ROEMER", QStringLiteral("2460331.500000"));
    QVERIFY(window);
    jovi::TSatLabForm1& form = *window;
    const std::string options_file = jovi::ProgramDir() + "JUP_OPTS.INI";
    std::ifstream before_in(options_file, std::ios::binary);
    const std::string before((std::istreambuf_iterator<char>(before_in)), {});

    QAction* site = form.findChild<QAction*>(QStringLiteral("ObservingSite1"));
    QVERIFY(site);
    QCOMPARE(site->text(), QStringLiteral("Observing &Site..."));
    QVERIFY(form.findChild<QAction*>(QStringLiteral("Preferences1"))->isEnabled());

    form.findChild<QAction*>(QStringLiteral("JupiterPhenomena1"))->trigger();
    jovi::PhenomListForm1* list = form.Events().PhenomListForm();
    QVERIFY(list->isVisible());
    QCOMPARE(list->ListBox1->item(17)->text(), QString::fromLatin1(jovi::kNoSiteLine));

    jovi::test::OnNextModal<jovi::TObservingSiteDlg>([](jovi::TObservingSiteDlg* d) {
      Type(*d, "42.36N", "71.06W", "43", "Boston");
      d->OKBtn->click();
    });
    site->trigger();
    QVERIFY(jovi::LoadObservingSite());
    // The open list follows at once, in the options' local time (UT - 5 h): the observation
    // instant 2024 January 22, 0h UT, is January 21 in Boston.
    QCOMPARE(list->ListBox1->count(), 16 + 8);
    QVERIFY2(list->ListBox1->item(17)->text().contains(QStringLiteral("January 21, 2024")),
             qPrintable(list->ListBox1->item(17)->text()));
    QCOMPARE(list->ListBox1->item(18)->text(),
             QStringLiteral("local time = UT - 5 h (by the options' time-zone difference):"));
    QVERIFY2(list->ListBox1->item(19)->text().contains(QStringLiteral("11:09 local = 16:09 UT")),
             qPrintable(list->ListBox1->item(19)->text()));
    jovi::test::SaveScreenshot(*list, "phenomena_boston");

    // The options file is as it was.
    std::ifstream after_in(options_file, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(after_in)), {});
    QCOMPARE(after, before);
  }
};

QTEST_MAIN(SkyTest)
#include "sky_test.moc"
