// The telescope driven as the window drives it: steps and the animation, the eclipse stop
// and its message, clouds hiding eclipses, and Record's button.
#include "session/telescope.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "astro/time_scales.h"
#include "config/options_file.h"
#include "session/exercise_session.h"
#include "session/moon_dimming.h"
#include "support/civil_dates.h"
#include "support/fake_storage_environment.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

// One log of what the window was asked and what the user was told, in order.
class LoggingWindow final : public SessionWindow, public TelescopeWindow {
 public:
  void ShowLoginDialog(StudentInfo&) override {}
  ExerciseMode ShowExerciseChoice() override { return ExerciseMode::Newton; }
  void PopUpSaveMenu() override {}
  void Repaint() override {}
  void SetBusy(bool) override {}
  void StartTimer(std::uint16_t ms) override { log.push_back("start " + std::to_string(ms)); }
  void StopTimer() override { log.push_back("stop"); }
  std::vector<std::string> log;
};

class LoggingPrompter final : public Prompter {
 public:
  explicit LoggingPrompter(std::vector<std::string>& log) : log_(log) {}
  Answer Ask(std::string_view text, std::string_view caption, Buttons, Icon) override {
    log_.push_back(std::string(caption) + ": " + std::string(text));
    return answer;
  }
  Answer answer = Answer::Ok;

 private:
  std::vector<std::string>& log_;
};

class FixedRandom final : public RandomSource {
 public:
  double Uniform() override { return value; }
  double value = 0.0;
};

class TelescopeSessionTest : public ::testing::Test {
 protected:
  TelescopeSessionTest() : prompter(window.log), session(prompter), scope(session, window, prompter, random) {
    std::filesystem::create_directories(dir.Path() / "program");
    std::filesystem::create_directories(dir.Path() / "data");
    env.program_folder = dir.File("program") + "/";
    env.working_folder = dir.File("data") + "/";
  }
  // Logged in for the orbit exercise and observing at `jd` (inside the built-in Jupiter block).
  void Observe(Real jd) {
    options.LoginRequired = false;
    const std::vector<std::uint8_t> bytes = EncodeOptions(options);
    dir.Write("data/JUP_OPTS.INI", std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(session.Start({"jovitrack", "NEWTON"}, env));
    ASSERT_TRUE(session.LogIn(window));
    session.Run();
    session.SetObservationJD(jd);
    scope.Start();
    scope.Redraw();
    window.log.clear();
  }

  test::TempDir dir;
  test::FakeStorageEnvironment env;
  OptsRec options;
  LoggingWindow window;
  LoggingPrompter prompter;
  FixedRandom random;
  ExerciseSession session;
  Telescope scope;
};

constexpr Real kStart = 2448972.5_r;  // 1992 December 21
const std::string kRange =
    "Next step out of range for Jupiter ephemeris! \r\n Available range: +100.0..+2800.0 "
    "(TDT)\r\n\r\nUse \"File\"->\"Observation Date\" to reset.";

TEST_F(TelescopeSessionTest, ATimerStepOutOfRangeStopsTheAnimationBeforeItsMessage) {
  options.NewtonClouds = false;
  Observe(kStart);
  session.SetObservationJD(kMaxStepJD - 0.002_r);
  scope.StartAnimation();
  EXPECT_FALSE(scope.Tick());  // 0.1 hour lands past the end
  EXPECT_FALSE(scope.Animating());
  EXPECT_EQ(window.log, (std::vector<std::string>{"start 10", "stop",
                                                  "*** Annimation Stop! ***: " + kRange}));
  EXPECT_NEAR(static_cast<double>(ToJD(session.ObservationTime())),
              static_cast<double>(kMaxStepJD - 0.002_r), 1e-8);
  window.log.clear();
  EXPECT_FALSE(scope.Next());
  EXPECT_EQ(window.log, (std::vector<std::string>{"*** Ephemeris Unavailable! ***: " + kRange}));
}

// Animates in 0.1-hour ticks until the first eclipse notice; returns the ticks taken.
int AnimateToNotice(Telescope& scope, int limit) {
  for (int tick = 1; tick <= limit; ++tick) {
    if (!scope.Tick()) return -1;
    scope.Redraw();
    if (scope.PendingNotice()) return tick;
  }
  return 0;
}

TEST_F(TelescopeSessionTest, AnEclipseStopsTheAnimationOnceThenOkContinues) {
  options.NewtonClouds = false;
  Observe(kStart);
  session.Features().StopOnEclipse = true;
  scope.StartAnimation();
  ASSERT_GT(AnimateToNotice(scope, 24 * 10 * 4), 0);  // Io is eclipsed every 1.8 days
  const EclipseNotice notice = *scope.PendingNotice();
  EXPECT_TRUE(notice.entered);
  EXPECT_FALSE(scope.Animating());
  EXPECT_EQ(window.log.back(), "stop");  // stopped before anything is said
  EXPECT_TRUE(ProgramScene().Satellite(notice.moon).Eclipsed);
  scope.AnswerEclipseNotice();
  EXPECT_EQ(window.log[window.log.size() - 2],
            "Animation Stop on Eclipse: " + notice.Text());
  EXPECT_EQ(window.log.back(), "start 10");
  EXPECT_TRUE(scope.Animating());
  // The next notice is that moon (or another) leaving or entering later, never the same entry.
  ASSERT_GT(AnimateToNotice(scope, 24 * 10 * 4), 0);
  const EclipseNotice next = *scope.PendingNotice();
  EXPECT_FALSE(next.moon == notice.moon && next.entered);
  prompter.answer = Answer::Cancel;
  scope.AnswerEclipseNotice();
  EXPECT_FALSE(scope.Animating());
}

TEST_F(TelescopeSessionTest, AnEclipseUnderCloudsIsNeverAnnounced) {
  options.NewtonCloudyPct = 100;
  options.NewtonCloudHrs = 24 * 30;
  Observe(kStart);
  ASSERT_TRUE(session.Clouds().Clouded);
  session.Features().StopOnEclipse = true;
  for (int step = 0; step < 24 * 4; ++step) {  // four days in hour steps, never animating
    ASSERT_TRUE(scope.Step(1, StepSource::Next));
    scope.Redraw();
  }
  EXPECT_EQ(scope.EclipseState(), (std::array<bool, 4>{}));
  EXPECT_FALSE(scope.PendingNotice());
  EXPECT_TRUE(window.log.empty());
}

TEST_F(TelescopeSessionTest, EveryRedrawAsksForANewReading) {
  options.NewtonClouds = false;
  Observe(kStart);
  EXPECT_FALSE(session.Menu().RecordBtnEnabled);
  scope.MouseDown(10, 10);
  EXPECT_FALSE(scope.MouseMove(700, 10));  // outside: the reading stays
  EXPECT_EQ(scope.Reading().Offset, static_cast<float>((10 - 315) / 20.0));
  const auto up = scope.MouseUp(700, 400);  // released outside: still read there
  ASSERT_TRUE(up);
  EXPECT_EQ(up->Cursor, "X: 700, Y: 400");
  EXPECT_TRUE(session.Menu().RecordBtnEnabled);
  EXPECT_FALSE(scope.MouseUp(5, 5));  // not dragging any more
  scope.SetMagnification(3);
  scope.Redraw();
  EXPECT_FALSE(session.Menu().RecordBtnEnabled);
  EXPECT_EQ(scope.Geometry().PixelsPerRadius, 30);
}

// With the options' zone difference 5 h, 3h UT on the 22nd is still the 21st in local time; the
// labels name the UT date beside the UT time.
TEST_F(TelescopeSessionTest, TheDateLabelIsTheUTDateOfTheInstant) {
  options.ZoneDiffHrs = 5;
  Observe(test::CivilJD(1992, 12, 22, 3));
  ASSERT_EQ(session.ObservationTime().Day, 21);  // the record itself is kept in local time
  const TimeLabels labels = scope.Labels();
  EXPECT_EQ(labels.Date, "December 22, 1992");
  EXPECT_EQ(labels.UT, "UT:  3 Hrs, 00 Min, 00 Sec");
  EXPECT_EQ(labels.JD, "Jul. Day: 2448978.625000");
}

TEST_F(TelescopeSessionTest, TheFrameCarriesTheLightItsMoonsAreDimmedBy) {
  // 1991 February 13: Europa's shadow on Io (02:00-02:09 UT), seven tenths of Io's light lost
  // at the middle; Io is at full light again a quarter of an hour after the end.
  constexpr Real kMiddle = 2448300.586687_r;
  options.NewtonCloudyPct = 0;
  Observe(kMiddle);
  for (const Real jd : {kMiddle, kMiddle + 0.02_r}) {
    session.SetObservationJD(jd);
    scope.ComputeScene();
    const TelescopeFrame frame = scope.Redraw();
    ASSERT_FALSE(frame.clouded);
    const std::array<Real, 4> light = MutualMoonLight(ProgramScene(), jd);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(frame.moon_light[k], light[k], 1e-12) << k;
    const bool middle = jd == kMiddle;
    EXPECT_EQ(light[0] > 0.2_r && light[0] < 0.4_r, middle) << light[0];
    EXPECT_EQ(light[0] == 1, !middle) << light[0];
    EXPECT_EQ(light[1], 1);
  }
}

}  // namespace
}  // namespace jovi
