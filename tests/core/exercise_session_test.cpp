#include "session/exercise_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "config/login_id.h"
#include "config/options_file.h"
#include "platform/command_line.h"
#include "support/fake_storage_environment.h"
#include "support/file_helpers.h"
#include "support/fixed_clock.h"
#include "support/recording_print_surface.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

using test::ReadAll;

// The window side of the session, scripted: what the student types and picks, and a record
// of every dialog the session asked for.
class ScriptedWindow final : public SessionWindow {
 public:
  void ShowLoginDialog(StudentInfo& record) override {
    calls.push_back("login dialog");
    record = typed;
    record.LoginId = LoginIdentifier(typed.StudentName[0]);
  }
  ExerciseMode ShowExerciseChoice() override {
    calls.push_back("exercise choice");
    return choice;
  }
  void PopUpSaveMenu() override { calls.push_back("save menu"); }
  void Repaint() override { calls.push_back("repaint"); }
  void SetBusy(bool busy) override { calls.push_back(busy ? "busy" : "not busy"); }
  void LoadHelpList(const std::string& path) override { calls.push_back("help list " + path); }
  bool HotlistUnsaved() override { return hotlist_unsaved; }
  void SaveHotlist() override { calls.push_back("save hotlist"); }
  void CommitPendingMeasurement() override { calls.push_back("commit"); }
  void RunInstructorPath() override { calls.push_back("instructor"); }

  StudentInfo typed{{"John Smith", "", "", ""}, "7", ""};
  ExerciseMode choice = ExerciseMode::None;
  bool hotlist_unsaved = false;
  std::vector<std::string> calls;
};

class ExerciseSessionTest : public ::testing::Test {
 protected:
  ExerciseSessionTest() : clock({2024, 5, 10, 14, 30, 0, 0}), session(prompter) {
    std::filesystem::create_directories(dir.Path() / "program");
    std::filesystem::create_directories(dir.Path() / "data");
    env.program_folder = dir.File("program") + "/";
    env.working_folder = dir.File("data") + "/";
    options.WriteLog = true;
  }
  // Writes `options` as the data folder's options file.
  void WriteOptions() {
    const std::vector<std::uint8_t> bytes = EncodeOptions(options);
    dir.Write("data/JUP_OPTS.INI", std::string(bytes.begin(), bytes.end()));
  }
  void Start(std::vector<std::string> arguments = {"jovitrack"}) {
    WriteOptions();
    ASSERT_TRUE(session.Start(arguments, env));
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : prompter.messages) texts.push_back(m.text);
    return texts;
  }
  std::string Data(const std::string& name) const { return env.working_folder + name; }

  test::TempDir dir;
  test::FakeStorageEnvironment env;
  test::FixedClock clock;
  test::RecordingPrompter prompter;
  OptsRec options;
  ScriptedWindow window;
  ExerciseSession session;
};

TEST(ExerciseWord, TheArgumentsAfterTheProgramChooseTheExercise) {
  const struct { std::vector<std::string> args; ExerciseMode mode; } cases[] = {
      {{"jovitrack"}, ExerciseMode::None},
      {{"jovitrack", "NEWTON"}, ExerciseMode::Newton},
      {{"jovitrack", "roemer"}, ExerciseMode::Roemer},
      {{"jovitrack", "Roemer", "newton"}, ExerciseMode::Newton},  // NEWTON first
      {{"/opt/NEWTON/jovitrack"}, ExerciseMode::None},            // the program's own path
      {{"jovitrack", "xnewtonx"}, ExerciseMode::Newton},
      {{"jovitrack", "NEW", "TON"}, ExerciseMode::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExerciseModeFromArguments(ArgumentsText(c.args)), c.mode)
        << ArgumentsText(c.args);
  }
}

TEST(ExerciseWord, CaptionsByExercise) {
  EXPECT_EQ(ExerciseCaption(ExerciseMode::Newton), "ZEVA Exercise - Jovitrack");
  EXPECT_EQ(ExerciseCaption(ExerciseMode::Roemer), "ZEVA Exercise - Lumitrack");
  EXPECT_EQ(ExerciseCaption(ExerciseMode::None), "");
}

TEST_F(ExerciseSessionTest, TheFirstObservationTimeIs0hUtOfTheDay) {
  const struct {
    CivilDateTime local;
    float zone_hours;
    Real jd;
  } cases[] = {
      {{2024, 5, 10, 14, 30, 0, 0}, 0.0f, 2460440.5_r},
      {{2024, 5, 10, 0, 0, 0, 0}, 0.0f, 2460440.5_r},  // midnight of a day whose JD is even
      {{2024, 5, 10, 23, 59, 59, 999}, 0.0f, 2460440.5_r},
      {{2024, 5, 11, 0, 0, 0, 0}, 0.0f, 2460441.5_r},
      {{2024, 5, 10, 21, 0, 0, 0}, 5.0f, 2460441.5_r},  // already the next day in UT
  };
  for (const auto& c : cases) {
    clock.Set(c.local);
    options.ZoneDiffHrs = c.zone_hours;
    ExerciseSession fresh(prompter);
    WriteOptions();
    ASSERT_TRUE(fresh.Start({"jovitrack"}, env));
    // The zone difference in days is not exact in binary: within a microsecond.
    EXPECT_NEAR(static_cast<double>(ToJD(fresh.ObservationTime())), static_cast<double>(c.jd),
                1e-11)
        << c.local.hour << "h zone " << c.zone_hours;
    EXPECT_EQ(fresh.ObservationTime().UTTime.Hour, 0);
  }
}

TEST_F(ExerciseSessionTest, StartsOnTheLogoWithTheSplashMenus) {
  options.OnHelpFile = "OnHelp.txt";
  Start();
  const MainMenuState& m = session.Menu();
  EXPECT_EQ(session.View(), ViewState::Splash);
  EXPECT_EQ(m.Caption, "Jovitrack");
  EXPECT_TRUE(m.LogIn1.enabled);
  EXPECT_FALSE(m.Run1.enabled);
  EXPECT_FALSE(m.Features1.enabled);
  EXPECT_FALSE(m.ObservationDate1.enabled);
  EXPECT_FALSE(m.Timing1.enabled);
  EXPECT_FALSE(m.MoonEvents1.enabled);
  EXPECT_FALSE(m.Preferences1.enabled);
  EXPECT_FALSE(m.Data1.visible);
  EXPECT_FALSE(m.DataSep.visible);
  EXPECT_FALSE(m.PanelsVisible);
  EXPECT_TRUE(m.OnHelp1.enabled && m.OnHelp1.visible && m.OnHelpSep.visible);
  EXPECT_FALSE(m.User1.enabled || m.User1.visible || m.UserSep.visible);
  EXPECT_EQ(session.Picture().path, env.program_folder + "ZEVALOGO.bmp");
  EXPECT_EQ(session.Picture().placement, WindowPicture::Placement::AtOrigin);
  EXPECT_TRUE(session.Options().UserDir.empty());
  EXPECT_TRUE(session.DataSaved());
  EXPECT_TRUE(session.NothingPending());
}

TEST_F(ExerciseSessionTest, LoginConfiguresTheSessionForEachExercise) {
  options.NewtonCloudyPct = 30;
  options.RoemerCloudyPct = 45;
  options.NewtonCloudHrs = 3;
  options.RoemerCloudHrs = 9;
  options.NewtonClouds = false;
  options.RoemerClouds = true;
  options.ObsStepHrs = 12;
  options.AnimStepHrs = 0.5_r;
  options.AnimTimerMs = 40;
  const struct {
    const char* word;
    const char* caption;
    bool data_menu;
    const char* help_list;
    const char* picture;
    WindowPicture::Placement placement;
    bool clouds;
    Real cloud_chance;
    Real cloud_hours;
    bool eclipse_zone;
  } cases[] = {
      {"NEWTON", "ZEVA Exercise - Jovitrack", true, "JupHlp.lst", "SatLabx.bmp",
       WindowPicture::Placement::AtOrigin, false, 0.30_r, 3, false},
      {"ROEMER", "ZEVA Exercise - Lumitrack", false, "RoemerHlp.lst", "RoemerSplash.bmp",
       WindowPicture::Placement::Stretched, true, 0.45_r, 9, true},
  };
  for (const auto& c : cases) {
    ExerciseSession s(prompter);
    ScriptedWindow w;
    WriteOptions();
    ASSERT_TRUE(s.Start({"jovitrack", c.word}, env));
    ASSERT_TRUE(s.LogIn(w));
    EXPECT_EQ(w.calls, (std::vector<std::string>{
                           "login dialog", "busy",
                           std::string("help list ") + env.program_folder + c.help_list,
                           "repaint", "not busy"}))
        << c.word;
    const MainMenuState& m = s.Menu();
    EXPECT_EQ(s.View(), ViewState::Title);
    EXPECT_TRUE(s.LoggedIn());
    EXPECT_EQ(m.Caption, c.caption);
    EXPECT_FALSE(m.LogIn1.enabled);
    EXPECT_TRUE(m.Run1.enabled);
    EXPECT_TRUE(m.Preferences1.enabled);
    EXPECT_TRUE(m.Topics1.enabled);
    EXPECT_EQ(m.Data1.visible, c.data_menu) << c.word;
    EXPECT_EQ(m.DataSep.visible, c.data_menu) << c.word;
    EXPECT_EQ(s.Picture().path, env.program_folder + c.picture);
    EXPECT_EQ(s.Picture().placement, c.placement);
    EXPECT_EQ(s.Clouds().CloudsEnabled, c.clouds) << c.word;
    EXPECT_EQ(s.Clouds().CloudChance, c.cloud_chance) << c.word;
    EXPECT_EQ(s.Clouds().CloudHours, c.cloud_hours) << c.word;
    EXPECT_EQ(s.ShowEclipseZone(), c.eclipse_zone);
    EXPECT_EQ(s.Timing().ObservationStep, 12);
    EXPECT_EQ(s.Timing().AnimationStep, 0.5_r);
    EXPECT_EQ(s.Timing().TimerInterval, 40);
    EXPECT_EQ(s.ImageCentreX(), 315);
    EXPECT_EQ(s.ImageCentreY(), 163);
    EXPECT_FALSE(s.OptionsAccess());
    EXPECT_EQ(s.Options().UserDir, Data("Users/JSmith/"));
    EXPECT_TRUE(std::filesystem::is_directory(Data("Users/JSmith")));
    EXPECT_TRUE(s.Log() && s.Log()->LoginWritten());
  }
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ExerciseSessionTest, DemonstrationModeNeedsNoDialog) {
  options.LoginRequired = false;
  Start({"jovitrack", "NEWTON"});
  ASSERT_TRUE(session.LogIn(window));
  EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "login dialog"), 0);
  EXPECT_EQ(session.Students().StudentName[0], "Demonstration");
  EXPECT_EQ(session.Students().LoginId, "DEMO");
  EXPECT_EQ(session.View(), ViewState::Title);
  EXPECT_TRUE(session.LoggedIn());
  EXPECT_TRUE(session.OptionsAccess());
  EXPECT_EQ(session.Options().UserDir, Data("Users/DEMO/"));
  EXPECT_NE(ReadAll(Data("ZEVALog.log")).find("Name1: Demonstration\r\n"), std::string::npos);
}

TEST_F(ExerciseSessionTest, WithoutAWordTheStudentChoosesTheExercise) {
  Start();
  window.choice = ExerciseMode::Roemer;
  ASSERT_TRUE(session.LogIn(window));
  EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "exercise choice"), 1);
  EXPECT_EQ(session.Mode(), ExerciseMode::Roemer);
  EXPECT_EQ(session.Menu().Caption, "ZEVA Exercise - Lumitrack");
}

TEST_F(ExerciseSessionTest, NoChoiceLeavesTheWindowWithoutExercise) {
  Start();
  ASSERT_TRUE(session.LogIn(window));
  EXPECT_EQ(session.Mode(), ExerciseMode::None);
  EXPECT_EQ(session.Menu().Caption, "Jovitrack");
  EXPECT_EQ(session.Picture().placement, WindowPicture::Placement::None);
  EXPECT_FALSE(session.Menu().Data1.visible);
  EXPECT_TRUE(session.Menu().Run1.enabled);
}

TEST_F(ExerciseSessionTest, InstructorInAnyCaseTakesTheInstructorPath) {
  for (const char* name : {"instructor", "INSTRUCTOR", "Instructor Smith"}) {
    ExerciseSession s(prompter);
    ScriptedWindow w;
    w.typed.StudentName[0] = name;
    WriteOptions();
    ASSERT_TRUE(s.Start({"jovitrack", "NEWTON"}, env));
    ASSERT_TRUE(s.LogIn(w));
    const bool instructor = std::string(name) != "Instructor Smith";
    EXPECT_EQ(std::count(w.calls.begin(), w.calls.end(), "instructor"), instructor ? 1 : 0)
        << name;
  }
}

TEST_F(ExerciseSessionTest, RunOpensTheTelescopeOnceForGood) {
  Start({"jovitrack", "ROEMER"});
  ASSERT_TRUE(session.LogIn(window));
  session.Run();
  const MainMenuState& m = session.Menu();
  EXPECT_EQ(session.View(), ViewState::Telescope);
  EXPECT_FALSE(m.Run1.enabled);
  EXPECT_TRUE(m.Features1.enabled && m.ObservationDate1.enabled && m.Timing1.enabled);
  EXPECT_TRUE(m.MoonEvents1.enabled);
  EXPECT_TRUE(m.PanelsVisible);
  EXPECT_TRUE(m.RecordBtnEnabled);  // the light-time exercise records events from the start
  EXPECT_EQ(session.Picture().placement, WindowPicture::Placement::None);
  // Configuring again (after the options dialog) appends a login block but offers no new Run.
  ASSERT_TRUE(session.ConfigureSession(window));
  EXPECT_FALSE(session.Menu().Run1.enabled);
  const std::string log = ReadAll(Data("ZEVALog.log"));
  EXPECT_EQ(log.find("Login: ZEVA_JUP", 1) != std::string::npos, true);
}

TEST_F(ExerciseSessionTest, PreferencesWithoutAccessOnlyExplain) {
  Start({"jovitrack", "NEWTON"});
  ASSERT_TRUE(session.LogIn(window));
  ASSERT_TRUE(session.OptionsAndParameters(window));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "INSTRUCTOR: Many features of this software are controlled by\r\n"
            "option switches and parameters that enable you to tailor the\r\n"
            "exercise to your own needs and preferences.\r\n\r\n"
            "See the technical documentation for details and instructions!");
  EXPECT_EQ(prompter.messages[0].caption, "USER OPTIONS!");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
}

TEST_F(ExerciseSessionTest, TestModeOpensThePreferences) {
  options.TestMode = true;
  Start({"jovitrack", "NEWTON"});
  ASSERT_TRUE(session.LogIn(window));
  EXPECT_TRUE(session.OptionsAccess());
  EXPECT_TRUE(session.Menu().Preferences1.enabled && session.Menu().Preferences1.visible);
}

// The quit questions in the order they come, with scripted answers.
TEST_F(ExerciseSessionTest, QuitQuestionsComeInOrder) {
  const std::string kData =
      "You have not saved your measurement data!\r\n\r\nDo you want to save it now?";
  const std::string kHotlist =
      "You have not saved your updated hotlist.\r\nYou will loose your updates if you do not "
      "save them!\r\n\r\nDo you want to save the hotlist now?";
  const std::string kSure = "Are You Sure You Want to Quit This Exercise?";
  const struct {
    const char* name;
    bool data_unsaved;
    bool hotlist_unsaved;
    std::deque<Answer> answers;
    bool closes;
    std::vector<std::string> texts;
    std::vector<std::string> calls;
  } cases[] = {
      {"plain yes", false, false, {Answer::Yes}, true, {kSure}, {}},
      {"plain no", false, false, {Answer::No}, false, {kSure}, {}},
      {"data: cancel stops", true, false, {Answer::Cancel}, false, {kData}, {}},
      {"data: yes saves, then asks", true, false, {Answer::Yes, Answer::Yes}, true,
       {kData, kSure}, {"save menu"}},
      {"data: no, then asks", true, false, {Answer::No, Answer::No}, false, {kData, kSure}, {}},
      {"hotlist saved on yes", false, true, {Answer::Yes, Answer::Yes}, true, {kHotlist, kSure},
       {"save hotlist"}},
      {"everything", true, true, {Answer::Yes, Answer::No, Answer::Yes}, true,
       {kData, kHotlist, kSure}, {"save menu"}},
  };
  for (const auto& c : cases) {
    ExerciseSession s(prompter);
    ScriptedWindow w;
    WriteOptions();
    ASSERT_TRUE(s.Start({"jovitrack", "NEWTON"}, env));
    s.SetDataSaved(!c.data_unsaved);
    w.hotlist_unsaved = c.hotlist_unsaved;
    prompter.messages.clear();
    prompter.answers = c.answers;
    EXPECT_EQ(s.CloseQuery(w), c.closes) << c.name;
    EXPECT_EQ(s.QuitConfirmed(), c.closes) << c.name;
    EXPECT_EQ(Texts(), c.texts) << c.name;
    EXPECT_EQ(w.calls, c.calls) << c.name;
    for (const auto& m : prompter.messages) {
      if (m.text == kData) {
        EXPECT_EQ(m.caption, "Data Will Be Lost!");
        EXPECT_EQ(m.buttons, Buttons::YesNoCancel);
        EXPECT_EQ(m.icon, Icon::Question);
      } else if (m.text == kHotlist) {
        EXPECT_EQ(m.caption, "Hotlist Updated!");
        EXPECT_EQ(m.buttons, Buttons::YesNo);
        EXPECT_EQ(m.icon, Icon::Stop);
      } else {
        EXPECT_EQ(m.caption, "** Exercise Finished? **");
        EXPECT_EQ(m.buttons, Buttons::YesNo);
        EXPECT_EQ(m.icon, Icon::Stop);
      }
    }
  }
}

TEST_F(ExerciseSessionTest, APendingMeasurementIsCommittedFirstAndAConfirmedQuitAsksNoMore) {
  Start({"jovitrack", "NEWTON"});
  session.SetNothingPending(false);
  prompter.answers = {Answer::Yes};
  EXPECT_TRUE(session.CloseQuery(window));
  EXPECT_EQ(window.calls.front(), "commit");
  EXPECT_TRUE(session.CloseQuery(window));
  EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(ExerciseSessionTest, AfterRunTheReminderAsksOrTheMissingFileFallsBack) {
  dir.Write("program/REMINDER.jup", "Save your data.\n");
  Start({"jovitrack", "NEWTON"});
  ASSERT_TRUE(session.LogIn(window));
  session.Run();
  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(session.CloseQuery(window));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Save your data.\r\n\r\nSelect \"OK\" to Quit Exercise, \"Cancel\" to Continue.");
  EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);

  std::filesystem::remove(env.program_folder + "REMINDER.jup");
  prompter.messages.clear();
  prompter.answers = {Answer::Ok, Answer::Yes};
  EXPECT_TRUE(session.CloseQuery(window));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].caption, "File Error!");
  EXPECT_EQ(prompter.messages[1].text, "Are You Sure You Want to Quit This Exercise?");
}

TEST_F(ExerciseSessionTest, TheQxrtvnShortcutQuitsWithoutTheQuitQuestion) {
  window.typed.StudentName[0] = "QXRTVN";
  Start({"jovitrack", "NEWTON"});
  ASSERT_TRUE(session.LogIn(window));
  ASSERT_EQ(session.Students().LoginId, "QXRTVN");
  // With login required the shortcut does not apply.
  prompter.answers = {Answer::No};
  EXPECT_FALSE(session.CloseQuery(window));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Are You Sure You Want to Quit This Exercise?"});
  // The instructor turns demonstration mode on (and does not save it yet).
  session.MasterOptions().Record().LoginRequired = false;
  prompter.answers = {Answer::No};
  session.AcceptEditedOptions();
  prompter.messages.clear();
  prompter.answers = {Answer::No};
  EXPECT_TRUE(session.CloseQuery(window));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Save Updated Parameters in " +
                                              Data("JUP_OPTS.INI") + "?"});
}

TEST_F(ExerciseSessionTest, ChangedOptionsAreOfferedForSavingWhenClosing) {
  Start({"jovitrack", "NEWTON"});
  session.MasterOptions().Record().LabTable = "B2";
  session.MasterOptions().Record().Administrator = true;
  prompter.answers = {Answer::No, Answer::No};  // decline both saving questions for now
  session.AcceptEditedOptions();
  EXPECT_TRUE(session.OptionsModified());
  EXPECT_TRUE(session.AdminSavePending());
  EXPECT_TRUE(session.Menu().SaveUpdates1.enabled);
  EXPECT_EQ(session.Options().LabTable, "B2");

  prompter.messages.clear();
  prompter.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  EXPECT_TRUE(session.CloseQuery(window));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Are You Sure You Want to Quit This Exercise?",
                         "Save Updated Parameters in " + Data("JUP_OPTS.INI") + "?",
                         "Save Updated Parameters in " + env.program_folder + "JUP_OPTS.INI?"}));
  EXPECT_EQ(prompter.messages[1].caption, "Save Option Changes?");
  EXPECT_EQ(prompter.messages[2].caption, "Use As Defaults for All Users?");
  EXPECT_FALSE(session.OptionsModified());
  EXPECT_FALSE(session.AdminSavePending());
  OptsRec saved;
  const std::string bytes = ReadAll(env.program_folder + "JUP_OPTS.INI");
  ASSERT_EQ(bytes.size(), kOptionsFileSize);
  const std::span<const std::uint8_t> span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           bytes.size());
  ASSERT_EQ(DecodeOptionsFields(span, saved), OptionsDecoding::Complete);
  EXPECT_EQ(saved.LabTable, "B2");
  EXPECT_TRUE(std::filesystem::exists(Data("JUP_OPTS.BAK")));
}

TEST_F(ExerciseSessionTest, AFailedSaveStaysOfferedAndAFailedDefaultsSaveDropsAdministrator) {
  Start({"jovitrack", "NEWTON"});
  session.MasterOptions().Record().Administrator = true;
  // Both folders turn into plain files: every save fails.
  prompter.answers = {Answer::Yes, Answer::Yes};
  std::filesystem::remove_all(dir.Path() / "data");
  std::filesystem::remove_all(dir.Path() / "program");
  dir.Write("data", "not a folder");
  dir.Write("program", "not a folder");
  session.AcceptEditedOptions();
  EXPECT_TRUE(session.OptionsModified());
  EXPECT_TRUE(session.Menu().SaveUpdates1.enabled);
  EXPECT_FALSE(session.AdminSavePending());
  EXPECT_FALSE(session.Options().Administrator);
  EXPECT_FALSE(session.MasterOptions().Record().Administrator);
  ASSERT_EQ(prompter.messages.size(), 4u);
  EXPECT_EQ(prompter.messages[1].caption, "Options File Error!");
  EXPECT_EQ(prompter.messages[3].caption, "Options File Error!");
}

TEST_F(ExerciseSessionTest, ClosingWritesTheLogoutBlockOnlyAfterALogin) {
  Start({"jovitrack", "NEWTON"});
  session.Close();
  EXPECT_FALSE(std::filesystem::exists(Data("ZEVALog.log")));
  ASSERT_TRUE(session.LogIn(window));
  clock.Set({2024, 5, 10, 15, 12, 10, 500});
  session.Close();
  EXPECT_EQ(session.Log(), nullptr);
  const std::string log = ReadAll(Data("ZEVALog.log"));
  EXPECT_NE(log.find("Logout: ZEVA_JUP\r\nDate: 05-10-2024\r\nTime: 15:12:10.50\r\n"),
            std::string::npos);
  EXPECT_NE(log.find("Elapsed Time:  0:42:10.50\r\nEndLogout: ZEVA_JUP\r\n"), std::string::npos);
}

TEST_F(ExerciseSessionTest, ThePrintHeaderNamesTheTableAndTheStudents) {
  options.LabTable = "B2";
  window.typed = {{"John Smith", "", "Mary Ann Jones", "Al"}, "7", ""};
  Start({"jovitrack", "NEWTON"});
  ASSERT_TRUE(session.LogIn(window));
  test::RecordingPrintSurface printer;
  const PrintHeaderLayout& layout = session.PrintPageHeader(printer);
  constexpr int h = test::RecordingPrintSurface::kLineHeight;
  ASSERT_EQ(printer.printed.size(), 5u);
  const struct { int y; std::string text; } lines[] = {
      {0, "05-10-2024 14:30:00     Jovitrack"},
      {2 * h, "Laboratory Table Number B2"},
      {4 * h, "John Smith"},
      {5 * h, "Mary Ann Jones"},
      {6 * h, "Al"},
  };
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(printer.printed[i].x, 0);
    EXPECT_EQ(printer.printed[i].y, lines[i].y) << i;
    EXPECT_EQ(printer.printed[i].text, lines[i].text) << i;
    EXPECT_EQ(printer.printed[i].font, "Courier 10 fixed");
  }
  EXPECT_EQ(layout.line_height, h);
  EXPECT_EQ(layout.left_margin, 12 * test::RecordingPrintSurface::kCharWidth);
  EXPECT_EQ(layout.line_y, 6 * h);
  EXPECT_EQ(PrintJobTitle(session.Students()), "ZEVA Exercise \"Jovitrack\" - John Smith");

  // Without a table the names follow the first line directly.
  test::RecordingPrintSurface plain;
  EXPECT_EQ(PrintHeader(plain, session.Students(), "", "x").line_y, 4 * h);
  EXPECT_EQ(plain.printed[1].y, 2 * h);
}

}  // namespace
}  // namespace jovi

namespace jovi {
namespace {

// The session journal across the session: a normal end removes it, any other end leaves it,
// and only a journal left that way is offered at the next login.
TEST_F(ExerciseSessionTest, OnlyASessionThatEndedWithItsWorkUnsafeLeavesItsJournal) {
  MeasurementRecord measured;
  measured.JulianDay = 2455197.5_r;
  measured.Offset = {1.25f, -0.5f, 100.0f, 3.0f};
  measured.Included = {true, false, true, true};
  const struct {
    const char* name;
    std::deque<Answer> answers;  // the quit questions, in order
    bool save_happens;           // the save chosen at quitting is made
    bool closes;
    bool journal_left;
  } cases[] = {
      {"quit after saving", {Answer::Yes, Answer::Yes}, true, true, false},
      {"quit agreeing to lose the data", {Answer::No, Answer::Yes}, false, true, false},
      {"cancel at the data question", {Answer::Cancel}, false, false, true},
      {"not sure to quit", {Answer::No, Answer::No}, false, false, true},
      {"a save chosen but not made", {Answer::Yes, Answer::Yes}, false, true, true},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(dir.Path() / "data" / "Users");
    std::string journal;
    {
      ExerciseSession s(prompter);
      MeasurementStore store;
      EventList events;
      s.UseMeasurementStore(store);
      s.UseEventList(events);
      WriteOptions();
      ASSERT_TRUE(s.Start({"jovitrack", "NEWTON"}, env));
      ASSERT_TRUE(s.LogIn(window));
      store.pending = measured;
      store.NothingPending = false;
      ASSERT_TRUE(CommitPendingMeasurement(store));
      s.SetNothingPending(true);
      journal = s.Journal().Path();
      ASSERT_TRUE(std::filesystem::exists(journal)) << c.name;
      struct SavingWindow final : SessionWindow {
        void ShowLoginDialog(StudentInfo&) override {}
        ExerciseMode ShowExerciseChoice() override { return ExerciseMode::None; }
        void PopUpSaveMenu() override {
          if (!save) return;  // the save dialog cancelled, or the file could not be written
          store->observer->TableSaved(store->table);
          store->DataSaved = true;
        }
        void Repaint() override {}
        void SetBusy(bool) override {}
        MeasurementStore* store = nullptr;
        bool save = false;
      } quitting;
      quitting.store = &store;
      quitting.save = c.save_happens;
      prompter.answers = c.answers;
      EXPECT_EQ(s.CloseQuery(quitting), c.closes) << c.name;
      if (c.closes) s.Close();
    }  // the program ends (or, when the window stayed open, is killed)
    EXPECT_EQ(std::filesystem::exists(journal), c.journal_left) << c.name;

    // The next login of the same student is asked exactly when a journal was left.
    prompter.messages.clear();
    prompter.answers = {Answer::Yes};
    ExerciseSession next(prompter);
    MeasurementStore store;
    EventList events;
    next.UseMeasurementStore(store);
    next.UseEventList(events);
    WriteOptions();
    ASSERT_TRUE(next.Start({"jovitrack", "NEWTON"}, env));
    ASSERT_TRUE(next.LogIn(window));
    const bool asked = !prompter.messages.empty() &&
                       prompter.messages[0].caption == std::string("Recover Unsaved Work");
    EXPECT_EQ(asked, c.journal_left) << c.name;
    if (!c.journal_left) continue;
    ASSERT_EQ(store.table.Count(), 1) << c.name;
    EXPECT_TRUE(SameMeasurement(*store.table.ItemAt(0), measured)) << c.name;
    EXPECT_FALSE(next.DataSaved()) << c.name;
    EXPECT_TRUE(next.Menu().ReviewData1.enabled) << c.name;
    EXPECT_TRUE(next.Menu().AnalyzeData1.enabled) << c.name;
  }
}

TEST_F(ExerciseSessionTest, RecoveredEventRecordsEnableTheirList) {
  EventRecord saved;
  saved.DateTime = 45423.5;
  saved.DistanceAU = 4.25_r;
  saved.Event = "Io is leaving Eclipse.";
  {
    ExerciseSession s(prompter);
    MeasurementStore store;
    EventList events;
    s.UseMeasurementStore(store);
    s.UseEventList(events);
    WriteOptions();
    ASSERT_TRUE(s.Start({"jovitrack", "ROEMER"}, env));
    ASSERT_TRUE(s.LogIn(window));
    s.EventSaved(saved);
  }  // killed
  ExerciseSession next(prompter);
  MeasurementStore store;
  EventList events;
  next.UseMeasurementStore(store);
  next.UseEventList(events);
  ASSERT_TRUE(next.Start({"jovitrack", "ROEMER"}, env));
  EXPECT_FALSE(next.Menu().ListSavedDateTime1.enabled);
  prompter.answers = {Answer::Yes};
  ASSERT_TRUE(next.LogIn(window));
  ASSERT_EQ(events.Count(), 1);
  EXPECT_TRUE(SameEvent(*events.ItemAt(0), saved));
  EXPECT_TRUE(next.Menu().ListSavedDateTime1.enabled);
  EXPECT_TRUE(store.table.IsEmpty());
  EXPECT_TRUE(next.DataSaved());  // no measurement came back
}

}  // namespace
}  // namespace jovi
