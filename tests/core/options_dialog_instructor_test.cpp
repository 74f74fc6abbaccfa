// The instructor's way to the options: the password loop after logging in as "Instructor",
// the question whether Preferences stay open, Preferences > "&Options and Parameters...", and
// the saving questions after the options changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "config/login_id.h"
#include "config/options_file.h"
#include "config/password.h"
#include "session/exercise_session.h"
#include "support/fake_storage_environment.h"
#include "support/file_helpers.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "util/real.h"

namespace jovi {
namespace {

const std::string kRetain =
    "Do you want to retain access to the Options dialog\r\n"
    "(via \"File\"->\"Preferences\" from the Main Menu) for\r\n"
    "the remainder of this session?";

// The main window, scripted: the login types `first_name`; the password dialog is typed from
// `passwords` (an empty deque entry cancels it); the options dialog runs `edit` on the master
// record and closes with `options_ok`.
class InstructorWindow final : public SessionWindow {
 public:
  InstructorWindow(ExerciseSession& session, test::RecordingPrompter& prompter)
      : session_(session), prompter_(prompter) {}

  void ShowLoginDialog(StudentInfo& record) override {
    record.StudentName[0] = first_name;
    record.LoginId = LoginIdentifier(first_name);
  }
  ExerciseMode ShowExerciseChoice() override { return ExerciseMode::Newton; }
  void PopUpSaveMenu() override {}
  void Repaint() override { calls.push_back("repaint"); }
  void SetBusy(bool) override {}
  void LoadHelpList(const std::string& path) override { calls.push_back("help list " + path); }
  void RunInstructorPath() override {
    session_.InstructorPath(*this, [this](PasswordCheck& check) { return AskPassword(check); });
  }
  bool ShowOptionsDialog() override {
    calls.push_back("options dialog");
    // Cancel leaves the master record as it was.
    if (edit && options_ok) edit(session_.MasterOptions().Record());
    return options_ok;
  }

  Answer AskPassword(PasswordCheck& check) {
    calls.push_back("password dialog");
    if (passwords.empty() || passwords.front().empty()) return Answer::Cancel;
    const std::string typed = passwords.front();
    passwords.pop_front();
    return check.OKBtnClick(typed, prompter_);
  }

  std::string first_name = "instructor";
  std::deque<std::string> passwords;
  std::function<void(OptsRec&)> edit;
  bool options_ok = true;
  std::vector<std::string> calls;

 private:
  ExerciseSession& session_;
  test::RecordingPrompter& prompter_;
};

class InstructorTest : public ::testing::Test {
 protected:
  InstructorTest() : session(prompter), window(session, prompter) {
    std::filesystem::create_directories(dir.Path() / "program");
    std::filesystem::create_directories(dir.Path() / "data");
    env.program_folder = dir.File("program") + "/";
    env.working_folder = dir.File("data") + "/";
  }
  void Start() {
    const std::vector<std::uint8_t> bytes = EncodeOptions(options);
    dir.Write("data/JUP_OPTS.INI", std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(session.Start({"jovitrack", "NEWTON"}, env));
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& m : prompter.messages) captions.push_back(m.caption);
    return captions;
  }
  int Count(const std::string& call) const {
    return static_cast<int>(std::count(window.calls.begin(), window.calls.end(), call));
  }
  std::string Data(const std::string& name) const { return env.working_folder + name; }
  OptsRec Saved(const std::string& path) const {
    OptsRec saved;
    const std::string bytes = test::ReadAll(path);
    const std::span<const std::uint8_t> span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size());
    EXPECT_EQ(DecodeOptionsFields(span, saved), OptionsDecoding::Complete) << path;
    return saved;
  }

  test::TempDir dir;
  test::FakeStorageEnvironment env;
  test::RecordingPrompter prompter;
  OptsRec options;
  ExerciseSession session;
  InstructorWindow window;
};

// Three attempts at most; Cancel ends them at once. The options dialog follows only the
// right password, which is compared exactly.
TEST_F(InstructorTest, ThePasswordIsAskedUntilRightCancelledOrWrongThreeTimes) {
  const struct {
    const char* name;
    std::deque<std::string> typed;
    int prompts;
    bool options_dialog;
    bool denied;
  } cases[] = {
      {"right at once", {"TARN"}, 1, true, false},
      {"right the third time", {"tarn", "TARN ", "TARN"}, 3, true, false},
      {"three wrong", {"tarn", "x", "TARNX", "TARN"}, 3, false, true},
      {"cancelled", {"x", ""}, 2, false, false},
  };
  for (const auto& c : cases) {
    ExerciseSession fresh(prompter);
    InstructorWindow w(fresh, prompter);
    ASSERT_TRUE(fresh.Start({"jovitrack", "NEWTON"}, env));
    prompter.messages.clear();
    prompter.answers = {Answer::No, Answer::No};  // no saving, no retained access
    w.passwords = c.typed;
    w.options_ok = false;
    ASSERT_TRUE(fresh.LogIn(w)) << c.name;
    EXPECT_EQ(std::count(w.calls.begin(), w.calls.end(), "password dialog"), c.prompts)
        << c.name;
    EXPECT_EQ(std::count(w.calls.begin(), w.calls.end(), "options dialog"),
              c.options_dialog ? 1 : 0)
        << c.name;
    const int denials = static_cast<int>(std::count_if(
        prompter.messages.begin(), prompter.messages.end(), [](const test::Message& m) {
          return m.text == "Too Many Invalid Passwords!" && m.caption == "Options Access Denied!" &&
                 m.icon == Icon::Stop;
        }));
    EXPECT_EQ(denials, c.denied ? 1 : 0) << c.name;
    // The login goes on either way, without options access unless it was granted.
    EXPECT_TRUE(fresh.LoggedIn()) << c.name;
    EXPECT_FALSE(fresh.OptionsAccess()) << c.name;
  }
}

TEST_F(InstructorTest, TheInstructorPasswordIsTheOneInTheOptions) {
  ScramblePassword("Pluto", options.PasswordWords, options.PasswordLen);
  Start();
  window.passwords = {"TARN", "Pluto"};
  window.options_ok = false;
  prompter.answers = {Answer::Yes};
  ASSERT_TRUE(session.LogIn(window));
  EXPECT_EQ(Count("password dialog"), 2);
  EXPECT_EQ(Count("options dialog"), 1);
}

TEST_F(InstructorTest, YesKeepsPreferencesOpenAndTestModeAsksNothing) {
  const struct {
    const char* name;
    bool test_mode;
    Answer answer;
    bool access;
  } cases[] = {
      {"Yes", false, Answer::Yes, true},
      {"No", false, Answer::No, false},
      {"Test Mode", true, Answer::None, true},
  };
  for (const auto& c : cases) {
    options.TestMode = c.test_mode;
    ExerciseSession fresh(prompter);
    InstructorWindow w(fresh, prompter);
    const std::vector<std::uint8_t> bytes = EncodeOptions(options);
    dir.Write("data/JUP_OPTS.INI", std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(fresh.Start({"jovitrack", "NEWTON"}, env));
    prompter.messages.clear();
    if (c.answer != Answer::None) prompter.answers = {c.answer};
    w.passwords = {"TARN"};
    w.options_ok = false;
    ASSERT_TRUE(fresh.LogIn(w)) << c.name;
    std::vector<std::string> texts;
    for (const auto& m : prompter.messages) texts.push_back(m.text);
    EXPECT_EQ(texts, c.test_mode ? std::vector<std::string>{} : std::vector<std::string>{kRetain})
        << c.name;
    if (!c.test_mode) {
      EXPECT_EQ(prompter.messages[0].caption, "Retain Options Access?");
      EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
      EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
    }
    EXPECT_EQ(fresh.OptionsAccess(), c.access) << c.name;
    if (c.access) {
      EXPECT_TRUE(fresh.Menu().Preferences1.enabled && fresh.Menu().Preferences1.visible &&
                  fresh.Menu().PrefSep.visible)
          << c.name;
    }
  }
}

// OK in the options dialog: the working copy takes the master over, the saving questions
// come in order, the old file is kept as the backup, and the Help menu follows the options.
TEST_F(InstructorTest, ChangedOptionsAreSavedWithTheirBackupAndShowInTheHelpMenu) {
  Start();
  const std::string old_file = test::ReadAll(Data("JUP_OPTS.INI"));
  window.passwords = {"TARN"};
  window.edit = [](OptsRec& r) {
    r.LabTable = "A1";
    r.UserHelpFile = "Teacher.txt";
    r.MainHelpList = "";
    r.Administrator = true;
  };
  prompter.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  ASSERT_TRUE(session.LogIn(window));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Save Option Changes?",
                                                  "Use As Defaults for All Users?",
                                                  "Retain Options Access?"}));
  EXPECT_EQ(prompter.messages[0].text, "Save Updated Parameters in " + Data("JUP_OPTS.INI") + "?");
  EXPECT_EQ(prompter.messages[1].text,
            "Save Updated Parameters in " + env.program_folder + "JUP_OPTS.INI?");
  EXPECT_EQ(session.Options().LabTable, "A1");
  EXPECT_FALSE(session.OptionsModified());
  EXPECT_FALSE(session.AdminSavePending());
  EXPECT_FALSE(session.Menu().SaveUpdates1.enabled);
  EXPECT_EQ(Saved(Data("JUP_OPTS.INI")).LabTable, "A1");
  EXPECT_EQ(Saved(env.program_folder + "JUP_OPTS.INI").LabTable, "A1");
  EXPECT_EQ(test::ReadAll(Data("JUP_OPTS.BAK")), old_file);
  EXPECT_TRUE(session.Menu().User1.enabled && session.Menu().User1.visible);
  EXPECT_TRUE(session.Menu().UserSep.visible);
  EXPECT_FALSE(session.Menu().OnHelp1.visible);
  EXPECT_FALSE(session.Menu().Topics1.enabled);
  EXPECT_EQ(Count("help list " + env.program_folder + "JupHlp.lst"), 0);
}

TEST_F(InstructorTest, DecliningTheEditModeQuestionWritesNothingAndKeepsTheSaveOffered) {
  Start();
  const std::string old_file = test::ReadAll(Data("JUP_OPTS.INI"));
  window.passwords = {"TARN"};
  window.edit = [](OptsRec& r) {
    r.EditMode = true;
    r.LabTable = "Z9";
  };
  prompter.answers = {Answer::Yes, Answer::No, Answer::No};
  ASSERT_TRUE(session.LogIn(window));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Save Option Changes?", "Are You Sure?",
                                                  "Retain Options Access?"}));
  EXPECT_EQ(prompter.messages[1].icon, Icon::Stop);
  EXPECT_EQ(test::ReadAll(Data("JUP_OPTS.INI")), old_file);
  EXPECT_FALSE(std::filesystem::exists(Data("JUP_OPTS.BAK")));
  EXPECT_TRUE(session.OptionsModified());
  EXPECT_TRUE(session.Menu().SaveUpdates1.enabled);
  // "&Save Updates" later asks again; answered Yes twice, it saves.
  prompter.messages.clear();
  prompter.answers = {Answer::Yes, Answer::Yes};
  session.SaveUpdatedOptions();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Save Option Changes?", "Are You Sure?"}));
  EXPECT_EQ(Saved(Data("JUP_OPTS.INI")).LabTable, "Z9");
  EXPECT_EQ(test::ReadAll(Data("JUP_OPTS.BAK")), old_file);
  EXPECT_FALSE(session.Menu().SaveUpdates1.enabled);
}

// Preferences > "&Options and Parameters..." once access was granted: the dialog, the saving
// question, the Help menu and a repaint on OK, and the session configured again in both cases.
TEST_F(InstructorTest, PreferencesShowTheDialogAndConfigureTheSessionAgain) {
  options.WriteLog = true;
  Start();
  window.passwords = {"TARN"};
  window.options_ok = false;
  prompter.answers = {Answer::Yes};  // retain access
  ASSERT_TRUE(session.LogIn(window));
  ASSERT_TRUE(session.OptionsAccess());
  const auto login_blocks = [&] {
    const std::string log = test::ReadAll(Data("ZEVALog.log"));
    int n = 0;
    for (std::size_t at = log.find("EndLogin: ZEVA_JUP"); at != std::string::npos;
         at = log.find("EndLogin: ZEVA_JUP", at + 1)) {
      ++n;
    }
    return n;
  };
  EXPECT_EQ(login_blocks(), 1);

  for (const bool ok : {false, true}) {
    window.calls.clear();
    prompter.messages.clear();
    prompter.answers = {Answer::No};
    window.options_ok = ok;
    window.edit = [](OptsRec& r) { r.ObsStepHrs = 12.0_r; };
    ASSERT_TRUE(session.OptionsAndParameters(window));
    EXPECT_EQ(Count("options dialog"), 1);
    EXPECT_EQ(Count("repaint"), ok ? 1 : 0);
    EXPECT_EQ(Captions(), ok ? std::vector<std::string>{"Save Option Changes?"}
                             : std::vector<std::string>{});
    // The new observation step is in force after OK only.
    EXPECT_EQ(session.Timing().ObservationStep, ok ? 12.0_r : 24.0_r);
  }
  EXPECT_EQ(login_blocks(), 3);
  EXPECT_TRUE(session.OptionsModified());
}

}  // namespace
}  // namespace jovi
