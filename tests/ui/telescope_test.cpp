// The telescope in the main window, offscreen: Run and the date dialog, the painted field at
// each magnification, moons, shadows and clouds, Next, the cross-hair and Record, and the
// timing and features dialogs.
#include <QLineEdit>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/sat_lab_form.h"
#include "astro/date_time.h"
#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "config/options_file.h"
#include "measure/ui/results_form.h"
#include "platform/program_dir.h"
#include "session/moon_dimming.h"
#include "session/rotation_image.h"
#include "session/ui/date_dialog.h"
#include "session/ui/features_dialog.h"
#include "session/ui/telescope_panel.h"
#include "session/ui/timing_dialog.h"
#include "support/home_sandbox.h"
#include "support/main_window_start.h"
#include "support/modal_helpers.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"
#include "support/shipped_help.h"

using jovi::TSatLabForm1;

namespace {

namespace fs = std::filesystem;

const QColor kMoon(255, 192, 0);
constexpr jovi::Real kStartJD = 2455197.5_r;  // 2010 January 1, 0h UT

// A program folder holding the build's pictures and ephemeris files, the options written
// fresh for each test, and a sandboxed home.
class TelescopeSetup {
 public:
  TelescopeSetup() {
    program_ = sandbox_.Root().Path().string() + "/program/";
    fs::create_directories(program_);
    const fs::path built = QCoreApplication::applicationDirPath().toStdString();
    for (const char* shipped : {"Rotation BMPs", "Cloud BMPs", "Leap Seconds.txt",
                                "Outer_Pl_Tbl.dat", "XPXHAIR.CUR"}) {
      fs::create_symlink(built / shipped, program_ + shipped);
    }
    jovi::test::LinkShippedHelp(program_);
    jovi::SetProgramDir(program_);
    options.LoginRequired = false;
    options.NewtonClouds = false;
  }
  ~TelescopeSetup() { jovi::SetProgramDir(""); }

  // The window after login and Run, observing at `jd`.
  std::unique_ptr<TSatLabForm1> Observe(jovi::Real jd = kStartJD) {
    auto form = jovi::test::OpenMainWindow(program_, options, {QStringLiteral("NEWTON")});
    if (!form) return nullptr;
    form->findChild<QAction*>(QStringLiteral("LogIn1"))->trigger();
    bool cancel_enabled = true;
    jovi::test::OnNextModal<jovi::TUTTimeDlg>([&](jovi::TUTTimeDlg* d) {
      cancel_enabled = d->CancelBtn->isEnabled();
      d->JulianFormat->click();
      d->JDEd->setText(QString::number(static_cast<double>(jd), 'f', 6));
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Run1"))->trigger();
    if (!QTest::qWaitFor([&] { return QApplication::activeModalWidget() == nullptr; })) {
      return nullptr;
    }
    run_dialog_cancellable = cancel_enabled;
    return form;
  }

  jovi::OptsRec options;
  jovi::test::ScopedProgramPrompter prompts;
  bool run_dialog_cancellable = true;

 private:
  jovi::test::HomeSandbox sandbox_;
  std::string program_;
};

const QImage& Field(TSatLabForm1& form) { return form.Controls().Image1->Image(); }

// The run of non-black pixels through Jupiter's centre, along its equator.
int DiscWidth(const QImage& field) {
  const int y = field.height() / 2;
  int left = field.width() / 2, right = left;
  while (left > 0 && field.pixelColor(left - 1, y) != Qt::black) --left;
  while (right + 1 < field.width() && field.pixelColor(right + 1, y) != Qt::black) ++right;
  return right - left + 1;
}

// The first hour from `jd` at which some moon satisfies `want`.
template <typename Want>
std::pair<jovi::Real, int> FindMoment(jovi::Real jd, Want want) {
  for (int hour = 0; hour < 24 * 20; ++hour) {
    const jovi::Real t = jd + hour / 24.0_r;
    jovi::ComputeScene(jovi::TDTFromUT(t));
    for (int k = 1; k <= 4; ++k) {
      if (want(jovi::ProgramScene().Satellite(k))) return {t, k};
    }
  }
  return {0, 0};
}

}  // namespace

class TelescopeTest : public QObject {
  Q_OBJECT

 private slots:
  void runOpensTheTelescopeAtTheChosenDate() {
    TelescopeSetup setup;
    auto form = setup.Observe();
    QVERIFY(form);
    QVERIFY(!setup.run_dialog_cancellable);
    jovi::TelescopePanel& c = form->Controls();
    QVERIFY(c.Image1->isVisible());
    QCOMPARE(c.Image1->size(), QSize(630, 326));
    QCOMPARE(c.Image1->mapTo(form->centralWidget(), QPoint(0, 0)), QPoint(2, 2));
    QCOMPARE(c.JDLbl->text(), QStringLiteral("Jul. Day: 2455197.500000"));
    QCOMPARE(c.UTLbl->text(), QStringLiteral("UT:  0 Hrs, 00 Min, 00 Sec"));
    QCOMPARE(c.IntrvLbl->text(), QStringLiteral("Data Interval: 24.00000 Hrs "));
    QCOMPARE(c.AnmLbl->text(), QString());
    QCOMPARE(c.NextBtn->geometry(), QRect(361, 52, 70, 25));
    QVERIFY(!c.ContBtn->isEnabled());
    QVERIFY(!c.RecordBtn->isEnabled());
    QTest::qWait(50);
    jovi::test::SaveScreenshot(*form, "telescope_100x");
    QVERIFY(setup.prompts.prompter.messages.empty());
  }

  void jupiterGrowsWithTheMagnification() {
    TelescopeSetup setup;
    auto form = setup.Observe();
    QVERIFY(form);
    for (int m = 1; m <= 4; ++m) {
      QTest::mouseClick(form->Controls().MagBtn[static_cast<std::size_t>(m - 1)], Qt::LeftButton);
      QVERIFY2(std::abs(DiscWidth(Field(*form)) - 20 * m) <= 2,
               qPrintable(QString::number(DiscWidth(Field(*form)))));
      // The label " 100x " stands on white at (10, 10).
      QCOMPARE(Field(*form).pixelColor(11, 11), QColor(Qt::white));
      QCOMPARE(form->Scope().Geometry().PixelsPerRadius, 10 * m);
    }
    jovi::test::SaveScreenshot(*form, "telescope_400x");
  }

  void moonsAreDrawnWhereThePlacementSays() {
    TelescopeSetup setup;
    // A moon in front of the disc casting its shadow there, and another hidden behind it.
    const auto [shadow_jd, shadow_moon] = FindMoment(kStartJD, [](const jovi::SatelliteState& s) {
      return s.ShadowOnDisc && !jovi::InsideDisc(s.X, s.Y);
    });
    QVERIFY(shadow_moon != 0);
    auto form = setup.Observe(shadow_jd);
    QVERIFY(form);
    QTest::mouseClick(form->Controls().MagBtn[3], Qt::LeftButton);
    const QImage& field = Field(*form);
    const auto& pixels = form->Scope().Pixels();
    const auto& sky = jovi::ProgramScene();
    const auto& p = pixels[static_cast<std::size_t>(shadow_moon - 1)];
    QCOMPARE(field.pixelColor(p.ShadowX, p.ShadowY), QColor(Qt::black));
    QVERIFY(field.pixelColor(p.ShadowX + 6, p.ShadowY) != QColor(Qt::black));  // on the disc
    for (int k = 1; k <= 4; ++k) {
      const auto& at = pixels[static_cast<std::size_t>(k - 1)];
      const auto& s = sky.Satellite(k);
      if (s.Occulted || s.Eclipsed || at.X < 1 || at.Y < 1 || at.X >= 630 || at.Y >= 326) continue;
      QCOMPARE(field.pixelColor(at.X, at.Y), kMoon);
    }
    jovi::test::SaveScreenshot(*form, "telescope_shadow");

    const auto [hidden_jd, hidden] =
        FindMoment(kStartJD, [](const jovi::SatelliteState& s) { return s.Occulted; });
    QVERIFY(hidden != 0);
    auto second = setup.Observe(hidden_jd);
    QVERIFY(second);
    const auto& q = second->Scope().Pixels()[static_cast<std::size_t>(hidden - 1)];
    QVERIFY(Field(*second).pixelColor(q.X, q.Y) != kMoon);
  }

  void aMoonInAnotherMoonsShadowFadesAndReturns() {
    // 2014 December 21: Callisto's shadow on Io (03:13-03:32 UT), four fifths of Io's light lost
    // at the middle; a quarter of an hour after the end Io is at full light again.
    TelescopeSetup setup;
    constexpr jovi::Real kMiddle = 2457012.640618_r;
    struct Moment {
      jovi::Real jd;
      const char* shot;
    };
    for (const Moment m : {Moment{kMiddle, "telescope_mutual_eclipse"},
                           Moment{kMiddle + 0.02_r, "telescope_mutual_after"}}) {
      auto form = setup.Observe(m.jd);
      QVERIFY(form);
      QTest::mouseClick(form->Controls().MagBtn[3], Qt::LeftButton);
      const auto& io = jovi::ProgramScene().Satellite(1);
      QVERIFY(!io.Occulted && !io.Eclipsed);
      const auto light = jovi::MutualMoonLight(jovi::ProgramScene(), m.jd);
      const auto& at = form->Scope().Pixels()[0];
      const QColor expected(static_cast<int>(std::lround(255 * light[0])),
                            static_cast<int>(std::lround(192 * light[0])), 0);
      QCOMPARE(Field(*form).pixelColor(at.X, at.Y), expected);
      if (m.jd == kMiddle) {
        QVERIFY(light[0] > 0.1_r && light[0] < 0.3_r);
      } else {
        QCOMPARE(expected, kMoon);
      }
      jovi::test::SaveScreenshot(*form, m.shot);
    }
  }

  void animatingThroughTheEventTheMoonFadesAndReturns() {
    // The same event watched as a student watches it: from a few minutes before, with an
    // animation step of 0.01 hour, to a few minutes after.
    TelescopeSetup setup;
    setup.options.AnimStepHrs = 0.01_r;
    constexpr jovi::Real kBefore = 2457012.6325_r;  // 03:10:48 UT
    constexpr jovi::Real kAfter = 2457012.6500_r;   // 03:36:00 UT
    auto form = setup.Observe(kBefore);
    QVERIFY(form);
    QTest::mouseClick(form->Controls().MagBtn[3], Qt::LeftButton);
    jovi::test::OnNextModal<jovi::TFeaturesForm1>([](jovi::TFeaturesForm1* d) {
      d->Boxes[0]->setChecked(true);
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Features1"))->trigger();
    QTest::mouseClick(form->Controls().ContBtn, Qt::LeftButton);
    QVERIFY(form->AnimationTimer().isActive());
    std::vector<int> red;  // Io's red channel at each new time
    jovi::Real last = 0;
    bool shot = false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
      QTest::qWait(5);
      const jovi::Real jd = jovi::ToJD(form->Session().ObservationTime());
      if (jd == last) continue;
      last = jd;
      const auto& at = form->Scope().Pixels()[0];
      red.push_back(Field(*form).pixelColor(at.X, at.Y).red());
      if (!shot && red.back() < 80) {
        jovi::test::SaveScreenshot(*form, "telescope_mutual_animated");
        shot = true;
      }
      if (jd >= kAfter) break;
    }
    QTest::mouseClick(form->Controls().ContBtn, Qt::LeftButton);
    QVERIFY(last >= kAfter);
    QVERIFY(red.size() > 30);
    const auto darkest = std::min_element(red.begin(), red.end());
    QCOMPARE(red.front(), 255);
    QCOMPARE(red.back(), 255);
    QVERIFY(*darkest < 80);
    // Fading all the way to the middle, then brightening all the way back.
    QVERIFY(std::is_sorted(red.begin(), darkest, std::greater<>()));
    QVERIFY(std::is_sorted(darkest, red.end()));
  }

  void anEclipsedMoonIsACrossOrNothing() {
    TelescopeSetup setup;
    const auto [jd, moon] = FindMoment(kStartJD, [](const jovi::SatelliteState& s) {
      return s.Eclipsed && !s.Occulted && std::abs(s.X) > 3;
    });
    QVERIFY(moon != 0);
    auto form = setup.Observe(jd);
    QVERIFY(form);
    QTest::mouseClick(form->Controls().MagBtn[3], Qt::LeftButton);
    const auto at = form->Scope().Pixels()[static_cast<std::size_t>(moon - 1)];
    QVERIFY(at.X > 3 && at.X < 626);
    QCOMPARE(Field(*form).pixelColor(at.X, at.Y), QColor(Qt::black));  // not drawn
    QVERIFY(form->Scope().EclipseState()[static_cast<std::size_t>(moon - 1)]);
    jovi::test::OnNextModal<jovi::TFeaturesForm1>([](jovi::TFeaturesForm1* d) {
      d->Boxes[4]->setChecked(true);
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Features1"))->trigger();
    const QImage& field = Field(*form);
    for (const QPoint p : {QPoint(at.X - 2, at.Y), QPoint(at.X + 2, at.Y), QPoint(at.X, at.Y - 2),
                           QPoint(at.X, at.Y + 2)}) {
      QCOMPARE(field.pixelColor(p), kMoon);
    }
    QCOMPARE(field.pixelColor(at.X + 3, at.Y), QColor(Qt::black));  // end point excluded
    QCOMPARE(field.pixelColor(at.X + 1, at.Y + 1), QColor(Qt::black));
    QVERIFY(setup.prompts.prompter.messages.empty());  // no stop without the animation
  }

  void idColoursNameTheMoons() {
    TelescopeSetup setup;
    auto form = setup.Observe();
    QVERIFY(form);
    jovi::test::OnNextModal<jovi::TFeaturesForm1>([](jovi::TFeaturesForm1* d) {
      d->Boxes[0]->setChecked(true);
      d->Boxes[1]->setChecked(true);
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Features1"))->trigger();
    QVERIFY(form->Controls().ContBtn->isEnabled());
    QCOMPARE(form->Controls().AnmLbl->text(), QStringLiteral("Animation Step: 0.10000 Hrs"));
    const QColor id[] = {{255, 0, 255}, {255, 255, 255}, {0, 255, 255}, {255, 255, 0}};
    int seen = 0;
    for (int k = 1; k <= 4; ++k) {
      const auto& at = form->Scope().Pixels()[static_cast<std::size_t>(k - 1)];
      const auto& s = jovi::ProgramScene().Satellite(k);
      if (s.Occulted || s.Eclipsed || at.X < 1 || at.Y < 1 || at.X >= 630) continue;
      QCOMPARE(Field(*form).pixelColor(at.X, at.Y), id[k - 1]);
      ++seen;
    }
    QVERIFY(seen >= 2);
  }

  void cloudsCoverTheWholeField() {
    TelescopeSetup setup;
    setup.options.NewtonClouds = true;
    setup.options.NewtonCloudyPct = 100;
    auto form = setup.Observe();
    QVERIFY(form);
    // The first redraw clouds the sky; the first one after the cloud's end clears it.
    QVERIFY(form->Session().Clouds().Clouded);
    const std::string cloud = form->Session().Clouds().CloudFile;
    QImage expected(630, 326, QImage::Format_RGB32);
    {
      QPainter painter(&expected);
      painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
      painter.drawImage(expected.rect(), QImage(QString::fromStdString(cloud)));
    }
    QCOMPARE(Field(*form).convertToFormat(QImage::Format_RGB32), expected);
    // A magnification change keeps the cloud.
    QTest::mouseClick(form->Controls().MagBtn[1], Qt::LeftButton);
    QCOMPARE(Field(*form).convertToFormat(QImage::Format_RGB32), expected);
    jovi::test::SaveScreenshot(*form, "telescope_clouded");
    QTest::mouseClick(form->Controls().NextBtn, Qt::LeftButton);
    QVERIFY(!form->Session().Clouds().Clouded);
    QCOMPARE(DiscWidth(Field(*form)), 40);
  }

  void aMissingPictureIsReportedAndEndsTheRedraw() {
    TelescopeSetup setup;
    setup.options.JupImgsDir = "No Such Folder";
    auto form = setup.Observe();
    QVERIFY(form);
    QTest::mouseClick(form->Controls().NextBtn, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !setup.prompts.prompter.messages.empty(); }));
    const auto& m = setup.prompts.prompter.messages.front();
    QVERIFY(m.text.find("No Such Folder/Jup") != std::string::npos);
    QCOMPARE(m.caption, std::string("Jovitrack"));
    QCOMPARE(m.icon, jovi::Icon::Stop);
    QCOMPARE(Field(*form).pixelColor(315, 163), QColor(Qt::black));
  }

  void theCrossHairMeasuresAndRecords() {
    TelescopeSetup setup;
    auto form = setup.Observe();
    QVERIFY(form);
    jovi::TelescopePanel& c = form->Controls();
    int moon = 0;
    for (int k = 1; k <= 4 && !moon; ++k) {
      const auto& at = form->Scope().Pixels()[static_cast<std::size_t>(k - 1)];
      if (at.X > 3 && at.X < 620 && at.Y > 3 && at.Y < 320 &&
          !jovi::ProgramScene().Satellite(k).Occulted) {
        moon = k;
      }
    }
    QVERIFY(moon != 0);
    const auto at = form->Scope().Pixels()[static_cast<std::size_t>(moon - 1)];
    QTest::mousePress(c.Image1, Qt::LeftButton, {}, QPoint(at.X, at.Y));
    QCOMPARE(form->ViewCursor().hotSpot(), form->CrossHairCursor().hotSpot());
    QTest::mouseRelease(c.Image1, Qt::LeftButton, {}, QPoint(at.X, at.Y));
    QCOMPARE(c.CrsrLbl->text(), QStringLiteral("X: %1, Y: %2").arg(at.X).arg(at.Y));
    QCOMPARE(c.IDLbl->text().isEmpty(), false);
    QVERIFY(c.RdngLbl->text().endsWith(QStringLiteral(" (Jup. Diam.)    ")));
    QVERIFY(c.RecordBtn->isEnabled());
    // Only the panel: painting the field is a redraw, which asks for a new reading.
    jovi::test::SaveScreenshot(*c.RdngLbl->parentWidget(), "telescope_reading");
    QTest::mouseClick(c.RecordBtn, Qt::LeftButton);
    QVERIFY(form->ResultsForm().isVisible());
    const float offset = form->Scope().Measurements().pending.Offset[static_cast<std::size_t>(moon - 1)];
    QCOMPARE(offset, static_cast<float>((at.X - 315) / 20.0));
    // Next takes the values (the view's OK) and commits them; the redraw disables Record.
    QTest::mouseClick(c.NextBtn, Qt::LeftButton);
    QCOMPARE(form->Scope().Measurements().table.Count(), 1);
    QVERIFY(!form->Session().DataSaved());
    QVERIFY(form->findChild<QAction*>(QStringLiteral("ReviewData1"))->isEnabled() ||
            form->Session().Menu().ReviewData1.enabled);
    QVERIFY(!c.RecordBtn->isEnabled());
    QCOMPARE(c.JDLbl->text(), QStringLiteral("Jul. Day: 2455198.500000"));
    // Record on empty sky with automatic recording.
    QTest::mousePress(c.Image1, Qt::LeftButton, {}, QPoint(5, 300));
    QTest::mouseRelease(c.Image1, Qt::LeftButton, {}, QPoint(5, 300));
    QTest::mouseClick(c.RecordBtn, Qt::LeftButton);
    QCOMPARE(setup.prompts.prompter.messages.back().text,
             std::string("Cursor is not accurately centered on moon!"));
  }

  void theDateDialogRoundTripsWhateverTheZone_data() {
    QTest::addColumn<float>("zone");
    QTest::newRow("UT") << 0.0f;
    QTest::newRow("west of Greenwich") << -7.5f;
    QTest::newRow("east of Greenwich") << 10.0f;
  }
  void theDateDialogRoundTripsWhateverTheZone() {
    QFETCH(float, zone);
    TelescopeSetup setup;
    setup.options.ZoneDiffHrs = zone;
    const QLocale before;
    auto form = setup.Observe();
    QVERIFY(form);
    QString shown_jd;
    jovi::test::OnNextModal<jovi::TUTTimeDlg>([&](jovi::TUTTimeDlg* d) {
      QVERIFY(d->CancelBtn->isEnabled());
      d->CalendarFormat->click();
      d->DateEd->setText(QStringLiteral("2012/06/05"));
      d->TimeEd->setText(QStringLiteral("22:30:15"));
      d->TimeEd->setFocus();  // leaving DateEd shows the Julian date
      QTest::qWait(10);
      shown_jd = d->JDEd->text();
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("SetDateTime1"))->trigger();
    const jovi::Real calendar = jovi::ToJD(form->Session().ObservationTime());
    QCOMPARE(QString::number(static_cast<double>(calendar), 'f', 6), shown_jd);
    if (zone == 0.0f) QCOMPARE(form->Controls().DateLbl->text(), QStringLiteral("June 5, 2012"));
    jovi::test::OnNextModal<jovi::TUTTimeDlg>([&](jovi::TUTTimeDlg* d) {
      QCOMPARE(d->DateEd->text(), QStringLiteral("2012/06/05"));
      QCOMPARE(d->TimeEd->text(), QStringLiteral("22:30:15"));
      d->JulianFormat->click();
      d->JDEd->setText(shown_jd);
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("SetDateTime1"))->trigger();
    QVERIFY(std::abs(static_cast<double>(jovi::ToJD(form->Session().ObservationTime()) - calendar)) <
            1e-6);
    QCOMPARE(QLocale().name(), before.name());
    QCOMPARE(QLocale().dateFormat(QLocale::ShortFormat), before.dateFormat(QLocale::ShortFormat));
  }

  void badDatesAreNamedAndKeepTheDialogOpen() {
    TelescopeSetup setup;
    auto form = setup.Observe();
    QVERIFY(form);
    bool stayed_open = false;
    jovi::test::OnNextModal<jovi::TUTTimeDlg>([&](jovi::TUTTimeDlg* d) {
      d->JulianFormat->click();
      d->JDEd->setText(QStringLiteral("24551x"));
      d->CalendarFormat->setFocus();
      QTest::qWait(10);
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
      stayed_open = d->isVisible();
      QTest::mouseClick(d->CancelBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("SetDateTime1"))->trigger();
    QVERIFY(stayed_open);
    QCOMPARE(setup.prompts.prompter.messages.at(0).text,
             std::string("\"24551x\" is not a valid Julian Date!"));
    QCOMPARE(setup.prompts.prompter.messages.at(0).caption, std::string("Julian Date Error!"));
    QCOMPARE(jovi::ToJD(form->Session().ObservationTime()), kStartJD);
  }

  void theTimingDialogKeepsWhatItReadBeforeABadField() {
    TelescopeSetup setup;
    auto form = setup.Observe();
    QVERIFY(form);
    jovi::test::OnNextModal<jovi::TTimingDlgForm1>([](jovi::TTimingDlgForm1* d) {
      QCOMPARE(d->IntervalEd->text(), QStringLiteral("24.00000"));
      d->IntervalEd->setText(QStringLiteral("-12"));
      d->StepEd->setText(QStringLiteral("bad"));
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
      QVERIFY(d->isVisible());
      QTest::mouseClick(d->CancelBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Timing1"))->trigger();
    QCOMPARE(static_cast<double>(form->Session().Timing().ObservationStep), -12.0);
    QCOMPARE(static_cast<double>(form->Session().Timing().AnimationStep), 0.1);
    QCOMPARE(form->Controls().IntrvLbl->text(), QStringLiteral("Data Interval: -12.00000 Hrs "));
    // The negative step moves the clock backwards.
    QTest::mouseClick(form->Controls().NextBtn, Qt::LeftButton);
    QCOMPARE(static_cast<double>(jovi::ToJD(form->Session().ObservationTime())),
             static_cast<double>(kStartJD - 0.5_r));
  }

  void theAnimationStepsAndStopsAtTheRangeEnd() {
    TelescopeSetup setup;
    setup.options.AnimStepHrs = 24;
    auto form = setup.Observe(2743736.5_r);
    QVERIFY(form);
    jovi::test::OnNextModal<jovi::TFeaturesForm1>([](jovi::TFeaturesForm1* d) {
      d->Boxes[0]->setChecked(true);
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Features1"))->trigger();
    QTest::mouseClick(form->Controls().ContBtn, Qt::LeftButton);
    QVERIFY(form->AnimationTimer().isActive());
    QVERIFY(!form->Controls().NextBtn->isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return !setup.prompts.prompter.messages.empty(); }, 5000));
    QVERIFY(!form->AnimationTimer().isActive());
    QVERIFY(form->Controls().NextBtn->isEnabled());
    QCOMPARE(setup.prompts.prompter.messages[0].caption, std::string("*** Annimation Stop! ***"));
    QCOMPARE(static_cast<double>(jovi::ToJD(form->Session().ObservationTime())), 2743737.5);
  }
};

QTEST_MAIN(TelescopeTest)
#include "telescope_test.moc"
#include "util/real.h"
