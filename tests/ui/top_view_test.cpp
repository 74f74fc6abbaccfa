// The top view offscreen: the pixels of a known scene (Jupiter's disc, a moon, the orbits, the
// eclipse-zone lines), the two sizes and their place, the View menu's check rules, eclipsed
// moons in the three ways, the ring around a moon, Help, and closing clearing ShowTopView.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "astro/satellite_scene.h"
#include "astro/time_scales.h"
#include "app/event_commands.h"
#include "app/sat_lab_form.h"
#include "session/exercise_session.h"
#include "session/ui/top_view_window.h"
#include "support/civil_dates.h"
#include "support/observing_window.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"

namespace {

const QColor kBody(255, 192, 0), kGrey(128, 128, 128), kGreen(0, 255, 0), kWhite(255, 255, 255),
    kBlack(0, 0, 0);

int CountColour(const QImage& image, QRect box, const QColor& colour) {
  int n = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) n += image.pixelColor(x, y) == colour;
  }
  return n;
}

QRect Around(const jovi::ViewPoint& p, int r) { return QRect(p.X - r, p.Y - r, 2 * r + 1, 2 * r + 1); }

}  // namespace

class TopViewTest : public QObject {
  Q_OBJECT

 private:
  jovi::test::RecordingPrompter prompter_;
  std::unique_ptr<jovi::ExerciseSession> session_;
  std::unique_ptr<jovi::TJSatOrrery> view_;

  // Observes at `jd` (UT): the session clock and the program's scene.
  void ObserveAt(jovi::Real jd) {
    session_->SetObservationJD(jd);
    jovi::ComputeScene(jovi::TDTFromUT(jd));
  }

  // The first hour from `jd` with Io in the shadow and clear of the disc's picture.
  jovi::Real IoEclipsedFrom(jovi::Real jd) {
    for (int hour = 0; hour < 24 * 5; ++hour) {
      const jovi::Real t = jd + hour / 24.0_r;
      ObserveAt(t);
      if (jovi::ProgramScene().Satellite(1).Eclipsed) return t;
    }
    return 0;
  }

 private slots:
  void initTestCase() { jovi::test::UseBuiltEphemerides(); }
  void init() {
    session_ = std::make_unique<jovi::ExerciseSession>(prompter_);
    view_ = std::make_unique<jovi::TJSatOrrery>(*session_, 632);
    ObserveAt(jovi::test::CivilJD(2010, 1, 1));
  }
  void cleanup() { view_.reset(); }

  void paintsAKnownScene() {
    QVERIFY(view_->Large1->isChecked());
    QVERIFY(view_->ShowOrbits1->isChecked());
    QVERIFY(view_->DontShowEclipse1->isChecked());
    QVERIFY(!view_->ShowEclipseZone1->isChecked());
    session_->Features().ShowTopView = true;
    view_->UpdateTopView(true);
    QVERIFY(view_->isVisible());
    const QImage& picture = view_->Picture();
    QCOMPARE(picture.size(), QSize(632, 632));
    const jovi::TopViewPlan& plan = view_->Plan();
    // Jupiter's disc: 10 pixels each way around (316, 276).
    QCOMPARE(picture.pixelColor(316, 276), kBody);
    QCOMPARE(picture.pixelColor(316 + 7, 276), kBody);
    QCOMPARE(picture.pixelColor(316 + 13, 276), kBlack);
    // Callisto's orbit in grey at its top; Io as a dot where the plan puts it.
    QCOMPARE(picture.pixelColor(316, plan.Boxes[4].Top), kGrey);
    const jovi::ViewPoint io = plan.Moons[0].At;
    QCOMPARE(picture.pixelColor(io.X, io.Y), kBody);
    QVERIFY(CountColour(picture, Around(io, 2), kBody) >= 9);
    QCOMPARE(picture.pixelColor(io.X + 4, io.Y + 4) == kBody, false);
    QVERIFY(CountColour(picture, QRect(0, 0, 632, 632), kGreen) == 0);
    // "To Earth" in white (its edges smoothed into greys).
    QVERIFY(CountColour(picture, QRect(plan.Arrow.Text.X, plan.Arrow.Text.Y, 60, 16), kWhite) > 0);
    jovi::test::SaveScreenshot(*view_, "top_view_large");

    // The zone lines in green, from the limb away from the Sun.
    view_->ShowEclipseZone1->trigger();
    QVERIFY(view_->Plan().ZoneLines.has_value());
    for (const jovi::ViewLine& line : *view_->Plan().ZoneLines) {
      const int x = (line.From.X + line.To.X) / 2, y = (line.From.Y + line.To.Y) / 2;
      QVERIFY(CountColour(view_->Picture(), QRect(x - 1, y - 1, 3, 3), kGreen) >= 1);
    }
    jovi::test::SaveScreenshot(*view_, "top_view_zone");

    // Without orbits: no grey, and smaller dots.
    view_->ShowOrbits1->trigger();
    QCOMPARE(CountColour(view_->Picture(), QRect(0, 0, 632, 632), kGrey), 0);
    QCOMPARE(view_->Plan().Moons[0].Glyph.Size, 1);
  }

  void sizesAndTheirPlace() {
    view_->show();
    view_->Normal1->trigger();
    QVERIFY(view_->Normal1->isChecked());
    QVERIFY(!view_->Large1->isChecked());
    QCOMPARE(view_->Picture().size(), QSize(304, 344));
    QCOMPARE(view_->Picture().pixelColor(151, 151), kBody);
    const QRect work = view_->screen()->availableGeometry();
    QCOMPARE(view_->frameGeometry().right() + 1, work.width());
    QCOMPARE(view_->frameGeometry().bottom() + 1, work.height());
    jovi::test::SaveScreenshot(*view_, "top_view_normal");
    view_->Large1->trigger();
    QVERIFY(!view_->Normal1->isChecked());
    QCOMPARE(view_->Picture().size(), QSize(632, 632));
  }

  void eclipsedMoonsInThreeWays() {
    const jovi::Real t = IoEclipsedFrom(jovi::test::CivilJD(2010, 1, 1));
    QVERIFY(t != 0);
    view_->show();
    // Pixels of the body colour along the row through Io's place, 3 each way.
    const auto across = [this] {
      const jovi::ViewPoint io = view_->Plan().Moons[0].At;
      return CountColour(view_->Picture(), QRect(io.X - 3, io.Y, 7, 1), kBody);
    };
    const auto choose = [this](QAction* item) {
      item->trigger();
      for (QAction* a : {view_->DontShowEclipse1, view_->ShowEclipsedMoonas1,
                         view_->HideMoononEclipse1}) {
        QCOMPARE(a->isChecked(), a == item);
      }
    };
    choose(view_->ShowEclipsedMoonas1);  // a "+", 3 pixels each way, nothing on the diagonal
    const jovi::ViewPoint io = view_->Plan().Moons[0].At;
    QCOMPARE(across(), 7);
    QCOMPARE(view_->Picture().pixelColor(io.X + 2, io.Y + 2) == kBody, false);
    QCOMPARE(view_->Picture().pixelColor(io.X, io.Y - 3), kBody);
    choose(view_->HideMoononEclipse1);  // nothing at all
    QCOMPARE(CountColour(view_->Picture(), Around(io, 3), kBody), 0);
    choose(view_->DontShowEclipse1);  // an ordinary dot, narrower than the "+"
    QVERIFY(across() >= 3 && across() <= 5);
    QCOMPARE(view_->Picture().pixelColor(io.X + 1, io.Y + 1), kBody);
  }

  // In the main window: shown by the feature at each redraw, closed by its close box until
  // the feature is ticked again; in the light-time exercise with the zone; without eclipse
  // visibility the Eclipses menu is disabled.
  void followsTheTelescopeRedraw() {
    view_.reset();
    jovi::test::ObservingWindow setup;
    setup.options.EclipseVisibility = false;
    const auto window = setup.Observe("ROEMER", QStringLiteral("2455197.500000"));
    QVERIFY(window);
    jovi::TJSatOrrery& top = window->Events().TopView();
    QVERIFY(!top.isVisible());
    window->Session().Features().ShowTopView = true;
    window->RedrawView();
    QVERIFY(top.isVisible());
    QVERIFY(top.ShowEclipseZone1->isChecked());
    QVERIFY(!top.Eclipses1->menuAction()->isEnabled());
    QVERIFY(top.DontShowEclipse1->isChecked());
    QCOMPARE(top.Picture().size(), QSize(632, 632));
    QVERIFY(CountColour(top.Picture(), QRect(0, 0, 632, 632), kGreen) > 100);
    top.ShowEclipsedMoonas1->setChecked(true);  // whatever the menu says
    top.DrawTopView();
    for (const auto& moon : top.Plan().Moons) QCOMPARE(moon.Glyph.Mark, jovi::TopViewMark::Dot);
    jovi::test::SaveScreenshot(top, "top_view_light_time");

    top.close();
    QVERIFY(!window->Session().Features().ShowTopView);
    window->NextBtnClick();
    QVERIFY(!top.isVisible());
    window->Session().Features().ShowTopView = true;
    window->NextBtnClick();
    QVERIFY(top.isVisible());
  }

  void markMoonHelpAndClose() {
    ObserveAt(jovi::test::CivilJD(2010, 1, 1));
    session_->Features().ShowTopView = true;
    view_->UpdateTopView(true);
    const jovi::ViewPoint io = view_->Plan().Moons[0].At;
    view_->MarkMoon(0);
    QCOMPARE(CountColour(view_->Picture(), Around(io, 11), kWhite), 0);
    view_->MarkMoon(1);
    QVERIFY(CountColour(view_->Picture(), Around(io, 11), kWhite) > 30);
    QCOMPARE(view_->Picture().pixelColor(io.X, io.Y - 10), kWhite);
    jovi::test::SaveScreenshot(*view_, "top_view_mark");

    QSignalSpy help(view_.get(), &jovi::TJSatOrrery::HelpRequested);
    QVERIFY(view_->Help1->isEnabled());  // the default options name a help list
    view_->Help1->trigger();
    QCOMPARE(help.count(), 1);

    view_->Close1->trigger();
    QVERIFY(!view_->isVisible());
    QVERIFY(!session_->Features().ShowTopView);
    view_->UpdateTopView(session_->Features().ShowTopView);  // the next redraw: stays closed
    QVERIFY(!view_->isVisible());
    view_->UpdateTopView(true);  // ticked again in the features dialog
    QVERIFY(view_->isVisible());
  }
};

QTEST_MAIN(TopViewTest)
#include "top_view_test.moc"
#include "util/real.h"
