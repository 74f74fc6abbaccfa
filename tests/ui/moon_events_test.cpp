// The Moon Events window offscreen, through the main window in the light-time exercise: it
// opens from File at the observation time, its choices filter the list, it prints, and Go To
// (button or double click) sets the observation time a few minutes before an event through the
// date dialog's path, so the telescope steps into the event.
// From the observing site it lists only the events Jupiter can be seen at, with its altitude;
// without one it offers the site dialog.
#include "almanac/moon_events.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "almanac/ui/moon_events_form.h"
#include "app/event_commands.h"
#include "app/sat_lab_form.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "session/moon_dimming.h"
#include "session/ui/telescope_panel.h"
#include "sky/ui/observing_site_dialog.h"
#include "sky/ui/site_settings.h"
#include "support/civil_dates.h"
#include "support/modal_helpers.h"
#include "support/observing_window.h"
#include "support/recording_print_surface.h"
#include "support/screenshot.h"
#include "util/ui/qt_text.h"

namespace {

QStringList EventLines(const jovi::TMoonEventsForm1& form) {
  QStringList lines;
  const auto& report = form.Report();
  for (std::size_t i = 0; i < report.lines.size(); ++i) {
    if (report.event_of_line[i] >= 0) lines << QString::fromStdString(report.lines[i]);
  }
  return lines;
}

int RowOf(const jovi::TMoonEventsForm1& form, const QString& start) {
  for (int i = 0; i < form.ListBox1->count(); ++i) {
    if (form.ListBox1->item(i)->text().startsWith(start)) return i;
  }
  return -1;
}

bool AllMatch(const QStringList& lines, const QString& part) {
  return std::all_of(lines.begin(), lines.end(),
                     [&](const QString& l) { return l.contains(part); });
}

}  // namespace

class MoonEventsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { jovi::test::UseBuiltEphemerides(); }

  void listsTheEventsVisibleFromTheObservingSite() {
    jovi::test::ObservingWindow setup;
    const auto window = setup.Observe("ROEMER", QStringLiteral("2457388.500000"));  // 2016 Jan 1
    QVERIFY(window);
    jovi::TSatLabForm1& main = *window;
    main.findChild<QAction*>(QStringLiteral("MoonEvents1"))->trigger();
    jovi::TMoonEventsForm1* form = main.Events().MoonEventsForm();
    QVERIFY(form && form->isVisible());
    form->SetPrompter(&setup.prompts.prompter);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const QStringList all = EventLines(*form);

    // No place: the choice says so and cannot be made; the button beside it offers the dialog.
    QVERIFY(!jovi::LoadObservingSite());
    QVERIFY(!form->VisibleBox->isEnabled());
    QCOMPARE(form->VisibleBox->text(), QStringLiteral("&Visible from: no observing site set"));
    QVERIFY(form->SiteBtn->isVisible());
    QCOMPARE(form->MinAltEd->text(), QStringLiteral("10"));
    QCOMPARE(form->SunBelowEd->text(), QStringLiteral("6"));
    jovi::test::SaveScreenshot(*form, "moon_events_no_site");
    jovi::test::OnNextModal<jovi::TObservingSiteDlg>([](jovi::TObservingSiteDlg* d) {
      d->LatitudeEd->setText(QStringLiteral("33.87S"));
      d->LongitudeEd->setText(QStringLiteral("151.21E"));
      d->NameEd->setText(QStringLiteral("Sydney"));
      d->OKBtn->click();
    });
    form->SiteBtn->click();
    QVERIFY(jovi::LoadObservingSite());
    QVERIFY(form->VisibleBox->isEnabled());
    QVERIFY(form->VisibleBox->isChecked());  // set for it, so chosen
    QCOMPARE(form->VisibleBox->text(), QStringLiteral("&Visible from Sydney"));

    // The week's events seen from Sydney, each with Jupiter's altitude; the headings say from
    // where and within which limits.
    QStringList visible = EventLines(*form);
    QVERIFY(!visible.isEmpty());
    QVERIFY(visible.size() < all.size());
    const QString io = QStringLiteral("2016/01/01 15:39  I.Ec.D     32  Io disappears");
    QVERIFY2(std::any_of(visible.begin(), visible.end(),
                         [&](const QString& l) { return l.startsWith(io); }),
             qPrintable(visible.join('\n')));
    const QString shown = jovi::ToQt([&] {
      std::string text;
      for (const std::string& l : form->Report().lines) text += l + "\n";
      return text;
    }());
    QVERIFY(shown.contains(QStringLiteral("Visible from Sydney (33.87° S, 151.21° E).")));
    QVERIFY(shown.contains(QStringLiteral("Date       UT     Event     Alt  What happens")));
    QVERIFY(shown.contains(QStringLiteral("Jupiter at least 10° high, the Sun at least 6° below")));
    // Every listed event is one of the full list's, with the altitude put in.
    for (const QString& line : visible) {
      QString without = line;
      without.remove(28, 5);  // "Alt" and its gap
      QVERIFY2(all.contains(without), qPrintable(line));
    }
    jovi::test::SaveScreenshot(*form, "moon_events_visible_sydney");

    // Io's eclipse has Jupiter 31.5 degrees high: a least altitude just above drops it, just
    // below keeps it. A bad limit is refused with the reason, and the last good one kept.
    form->MinAltEd->setText(QStringLiteral("31.6"));
    QTest::keyClick(form->MinAltEd, Qt::Key_Return);
    QCOMPARE(static_cast<double>(form->Limits().min_alt_deg), 31.6);
    QVERIFY(!EventLines(*form).join('\n').contains(QStringLiteral("2016/01/01 15:39  I.Ec.D")));
    form->MinAltEd->setText(QStringLiteral("31.4"));
    QTest::keyClick(form->MinAltEd, Qt::Key_Return);
    QVERIFY(EventLines(*form).join('\n').contains(io));
    form->SunBelowEd->setText(QStringLiteral("20"));
    QTest::keyClick(form->SunBelowEd, Qt::Key_Return);
    QCOMPARE(static_cast<double>(form->Limits().sun_below_deg), 6.0);
    QCOMPARE(form->LimitErrorLbl->text(),
             QStringLiteral("The Sun's depth below the horizon is a number of degrees from 0 to "
                            "18."));
    jovi::test::SaveScreenshot(*form, "moon_events_visible_bad_limit");
    form->SunBelowEd->setText(QStringLiteral("12"));
    QTest::keyClick(form->SunBelowEd, Qt::Key_Return);
    QVERIFY(form->LimitErrorLbl->text().isEmpty());
    QVERIFY(
        jovi::ToQt(form->Report().lines[6])
            .startsWith(QStringLiteral("Jupiter at least 31.4° high, the Sun at least 12° below")));
    jovi::test::SaveScreenshot(*form, "moon_events_visible_limits");

    // A place set from the main window's Preferences reaches the open window at once.
    jovi::test::OnNextModal<jovi::TObservingSiteDlg>([](jovi::TObservingSiteDlg* d) {
      d->LatitudeEd->setText(QStringLiteral("52.37N"));
      d->LongitudeEd->setText(QStringLiteral("4.89E"));
      d->NameEd->setText(QStringLiteral("Amsterdam"));
      d->OKBtn->click();
    });
    main.findChild<QAction*>(QStringLiteral("ObservingSite1"))->trigger();
    QCOMPARE(form->VisibleBox->text(), QStringLiteral("&Visible from Amsterdam"));
    QCOMPARE(jovi::ToQt(form->Report().lines[5]),
             QStringLiteral("Visible from Amsterdam (52.37° N, 4.89° E)."));

    // Unchecked, the full list returns as it was.
    form->VisibleBox->click();
    QCOMPARE(EventLines(*form), all);
  }

  void opensFiltersPrintsAndGoesToAnEvent() {
    jovi::test::ObservingWindow setup;
    // (Before Run the item is disabled: the session's menu rules, tested in the core.)
    const auto window = setup.Observe("ROEMER", QStringLiteral("2457388.500000"));  // 2016 Jan 1
    QVERIFY(window);
    jovi::TSatLabForm1& main = *window;
    QAction* item = main.findChild<QAction*>(QStringLiteral("MoonEvents1"));
    QVERIFY(item && item->isEnabled());
    QCOMPARE(item->text(), QStringLiteral("Moon &Events..."));
    item->trigger();
    jovi::TMoonEventsForm1* form = main.Events().MoonEventsForm();
    QVERIFY(form && form->isVisible());
    form->SetPrompter(&setup.prompts.prompter);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QCOMPARE(form->windowTitle(), QStringLiteral("Moon Events"));
    QCOMPARE(form->SpanEd->value(), 7);
    QVERIFY(form->FromLabel->text().contains(QStringLiteral("2016/01/01 00:00 UT")));

    // A week of visible events, as the search finds them, to the minute.
    jovi::MoonEventQuery week;
    week.from_ut = 2457388.5_r;
    week.to_ut = week.from_ut + 7;
    jovi::SilentPrompter silent;
    const std::size_t expected = jovi::FindMoonEvents(week, silent).events.size();
    QStringList lines = EventLines(*form);
    QCOMPARE(static_cast<std::size_t>(lines.size()), expected);
    QVERIFY(lines.contains(
        QStringLiteral("2016/01/01 15:39  I.Ec.D    Io disappears into Jupiter's shadow")));
    QVERIFY(!lines.join('\n').contains(QStringLiteral("(hidden)")));
    jovi::test::SaveScreenshot(*form, "moon_events_week");

    // Io alone, then its hidden events too, then eclipses alone, then one day.
    for (int moon = 2; moon <= 4; ++moon)
      form->MoonBox[static_cast<std::size_t>(moon - 1)]->click();
    lines = EventLines(*form);
    QVERIFY(!lines.isEmpty());
    QVERIFY(AllMatch(lines, QStringLiteral("  I.")));
    const int visible_io = static_cast<int>(lines.size());
    form->HiddenBox->click();
    lines = EventLines(*form);
    QVERIFY(lines.size() > visible_io);
    QVERIFY(lines.join('\n').contains(
        QStringLiteral("I.Ec.R    Io reappears from Jupiter's shadow (hidden)")));
    for (QCheckBox* box : form->KindBox) {
      if (box->objectName() != QStringLiteral("KindBoxEc")) box->click();
    }
    lines = EventLines(*form);
    QVERIFY(AllMatch(lines, QStringLiteral(" I.Ec.")));
    form->SpanEd->setValue(1);
    lines = EventLines(*form);
    QVERIFY(!lines.isEmpty());
    QVERIFY(AllMatch(lines, QStringLiteral("2016/01/01 ")));
    QVERIFY(form->ListBox1->item(0)->text().contains(QStringLiteral("1 day")));
    jovi::test::SaveScreenshot(*form, "moon_events_io_eclipses_one_day");

    // Printing prints the lines shown, under the window's title.
    jovi::test::RecordingPrintSurface printer;
    form->PrintTo(printer);
    bool printed = false;
    for (const auto& t : printer.printed)
      printed = printed || t.text.find("I.Ec.D") != std::string::npos;
    QVERIFY(printed);

    // Go To with nothing chosen says so and changes nothing.
    const jovi::Real start = jovi::ToJD(main.Session().ObservationTime());
    form->ListBox1->setCurrentRow(-1);
    form->GoToBtn->click();
    QCOMPARE(setup.prompts.prompter.messages.back().caption, std::string("Go To"));
    QCOMPARE(static_cast<double>(jovi::ToJD(main.Session().ObservationTime())),
             static_cast<double>(start));

    // Go To Io's eclipse of 15:39: the time is 15:34, Io still shines; a step later it is gone.
    const int row = RowOf(*form, QStringLiteral("2016/01/01 15:39  I.Ec.D"));
    QVERIFY(row >= 0);
    form->SelectLine(row);
    form->GoToBtn->click();
    const jovi::Real set = jovi::ToJD(main.Session().ObservationTime());
    QVERIFY(std::fabs(set - jovi::test::CivilJD(2016, 1, 1, 15, 34)) < 1e-7_r);
    QCOMPARE(main.Controls().UTLbl->text(), QStringLiteral("UT: 15 Hrs, 34 Min, 00 Sec"));
    QCOMPARE(main.Controls().DateLbl->text(), QStringLiteral("January 1, 2016"));
    QVERIFY(!jovi::ProgramScene().Satellite(1).Eclipsed);
    main.Session().SetTiming({0.1_r, 0.01_r, 50});  // Next: six minutes on
    main.NextBtnClick();
    QVERIFY(std::fabs(jovi::ToJD(main.Session().ObservationTime()) -
                      jovi::test::CivilJD(2016, 1, 1, 15, 40)) < 1e-7_r);
    QVERIFY(jovi::ProgramScene().Satellite(1).Eclipsed);

    // A double click on another event goes there too.
    const int next = RowOf(*form, QStringLiteral("2016/01/01 "));
    QVERIFY(next >= 0);
    QListWidgetItem* other = form->ListBox1->item(next);
    const QPoint on_other = form->ListBox1->visualItemRect(other).center();
    QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, {}, on_other);
    QTest::mouseDClick(form->ListBox1->viewport(), Qt::LeftButton, {}, on_other);
    const auto chosen = form->SelectedEvent();
    QVERIFY(chosen);
    QVERIFY(std::fabs(jovi::ToJD(main.Session().ObservationTime()) - jovi::GoToInstant(*chosen)) <
            1e-7_r);
  }

  void listsMutualEventsAndGoesToOne() {
    // 2026 December 24, 17:50 UT: Ganymede's shadow falls on Io (3E1), the season's deepest.
    jovi::test::ObservingWindow setup;
    constexpr jovi::Real kFrom = 2461398.5_r;  // 2026 Dec 24 0h UT
    const auto window = setup.Observe("ROEMER", QStringLiteral("2461398.500000"));
    QVERIFY(window);
    jovi::TSatLabForm1& main = *window;
    main.findChild<QAction*>(QStringLiteral("MoonEvents1"))->trigger();
    jovi::TMoonEventsForm1* form = main.Events().MoonEventsForm();
    QVERIFY(form && form->isVisible());
    form->SetPrompter(&setup.prompts.prompter);
    QVERIFY(!form->MutualBox->isChecked());
    QVERIFY(!EventLines(*form).join('\n').contains(QStringLiteral("3E1")));

    // Ticked: the visible mutual events of the week join the others, in time order.
    form->MutualBox->click();
    const auto visible = jovi::FindMutualEvents(kFrom, kFrom + 7, jovi::kDefaultMinimumDrop, false);
    QVERIFY(!visible.events.empty());
    jovi::MoonEventQuery week;
    week.from_ut = kFrom;
    week.to_ut = kFrom + 7;
    jovi::SilentPrompter silent;
    const std::size_t others = jovi::FindMoonEvents(week, silent).events.size();
    QStringList lines = EventLines(*form);
    QCOMPARE(static_cast<std::size_t>(lines.size()), others + visible.events.size());
    QVERIFY(std::is_sorted(lines.begin(), lines.end(), [](const QString& x, const QString& y) {
      return x.left(16) < y.left(16);
    }));
    for (const jovi::MutualEvent& e : visible.events) {
      const QString start =
          QString::fromStdString(jovi::MinuteText(e.begin) + "  " + e.Code() + e.type);
      QVERIFY2(RowOf(*form, start) >= 0, qPrintable(start));
    }
    QVERIFY(!lines.join('\n').contains(QStringLiteral("(hidden)")));
    // The hidden ones (behind Jupiter, in its shadow, or too faint) with the hidden events.
    form->HiddenBox->click();
    const auto all = jovi::FindMutualEvents(kFrom, kFrom + 7, jovi::kDefaultMinimumDrop, true);
    QVERIFY(EventLines(*form).size() > lines.size() || all.events.size() == visible.events.size());
    form->HiddenBox->click();
    // Callisto alone: only the mutual events of a pair with Callisto.
    for (int moon = 1; moon <= 3; ++moon)
      form->MoonBox[static_cast<std::size_t>(moon - 1)]->click();
    for (const QString& line : EventLines(*form)) {
      const QString code = line.mid(18, 4);
      if (code.at(0).isDigit()) QVERIFY2(code.contains('4'), qPrintable(line));
    }
    for (int moon = 1; moon <= 3; ++moon)
      form->MoonBox[static_cast<std::size_t>(moon - 1)]->click();

    const int row = RowOf(*form, QStringLiteral("2026/12/24 17:50  3E1P"));
    QVERIFY(row >= 0);
    QVERIFY(form->ListBox1->item(row)->text().contains(QStringLiteral("Ganymede eclipses Io")));
    jovi::test::SaveScreenshot(*form, "moon_events_mutual");
    form->SelectLine(row);
    form->GoToBtn->click();
    QVERIFY(std::fabs(jovi::ToJD(main.Session().ObservationTime()) -
                      jovi::test::CivilJD(2026, 12, 24, 17, 45)) < 1e-7_r);
    // Io at full light five minutes before; at the middle it has lost (nearly) all of it.
    const auto before = jovi::MutualMoonLight(jovi::ProgramScene(), kFrom + 17.75_r / 24);
    QCOMPARE(static_cast<double>(before[0]), 1.0);
    const jovi::MutualEvent& deep = *std::find_if(
        visible.events.begin(), visible.events.end(),
        [](const jovi::MutualEvent& e) { return e.Code() == "3E1" && e.light_lost > 0.9_r; });
    jovi::ObservationScene scene;
    scene.Compute(jovi::TDTFromUT(deep.middle), silent);
    QVERIFY(jovi::MutualMoonLight(scene, deep.middle)[0] < 0.1_r);
  }
};

QTEST_MAIN(MoonEventsTest)
#include "moon_events_test.moc"
#include "util/real.h"
