// The "Software Options" dialog's deciding part: what its controls show, and what OK and
// Cancel store into the master record.
#include "config/options_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/options_file.h"
#include "config/password.h"
#include "config/password_check.h"
#include "support/recording_prompter.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr const char* kNumericError =
    "Numeric Conversion Error!\r\n\r\nVerify Values of Numeric Parameters.";

// An options object whose record differs from the defaults in every kind of field, with
// values that the shown decimals would round.
class OptionsFormTest : public ::testing::Test {
 protected:
  OptionsFormTest() : options(prompter), form(&options, prompter) {
    OptsRec& r = options.Record();
    r.OptsFileName = "JUP_OPTS.INI";
    r.UserHelpFile = "Teacher notes.txt";
    r.OnHelpFile = "OnHelp.txt";
    r.LabTable = "B7";
    r.Reserved = "kept as it is";
    r.AnimStepHrs = 0.123456789_r;
    r.ObsStepHrs = 1.0_r / 3.0_r;
    r.NewtonCloudHrs = 2.005_r;
    r.RedSpotLong = 123.45f;
    r.ZoneDiffHrs = -5.25f;
    r.AnimTimerMs = 65535;
    r.NewtonCloudyPct = -3;
    r.LoginRequired = false;
    r.EditMode = true;
    r.Administrator = true;
    ScramblePassword("Secret", r.PasswordWords, r.PasswordLen);
    before = r;
  }

  // Opens the dialog and returns what it shows.
  OptionsFormEntries Open() {
    const std::optional<OptionsFormEntries> shown = form.Activate();
    EXPECT_TRUE(shown);
    return shown.value_or(OptionsFormEntries{});
  }
  // OK with the confirmation dialog typed as `second` (nothing: it is cancelled).
  bool Ok(const OptionsFormEntries& entries, std::optional<std::string> second = {}) {
    return form.Ok(entries, [&](const std::string& new_password) {
      confirmations.push_back(new_password);
      return second && PasswordChangeConfirmed(&new_password, *second);
    });
  }
  std::string Password() const {
    return UnscramblePassword(options.Record().PasswordWords, options.Record().PasswordLen);
  }
  static bool SameRecord(const OptsRec& a, const OptsRec& b) {
    return EncodeOptions(a) == EncodeOptions(b) && a.Administrator == b.Administrator &&
           a.OptsFileName == b.OptsFileName;
  }

  test::RecordingPrompter prompter;
  OptsObj options;
  OptionsForm form;
  OptsRec before;
  std::vector<std::string> confirmations;
};

TEST_F(OptionsFormTest, TheControlsShowTheFieldsInTheirFormats) {
  OptsRec defaults;
  OptsObj default_options(prompter);
  OptionsForm default_form(&default_options, prompter);
  const OptionsFormEntries shown = *default_form.Activate();
  const struct { const char* control; const char* text; } cases[] = {
      {"AnmStepEd", "0.1000"}, {"ObsIntEd", "24.0000"}, {"RSEd", "119.0"},
      {"ZnEd", "0.0"},         {"NDrtnEd", "6.00"},     {"RDrtnEd", "6.00"},
      {"DispTmrEd", "10"},     {"NCloudyEd", "10"},     {"RCloudyEd", "10"},
      {"PWEd", "TARN"},        {"LogoEd", "ZEVALOGO.bmp"}, {"TblNumEd", ""},
      {"JupImgsEd", "Rotation BMPs"}, {"LogFlEd", "ZEVALog.log"},
  };
  for (const auto& c : cases) EXPECT_EQ(shown.texts.at(c.control), c.text) << c.control;
  // Demonstration Mode is the opposite of a required login.
  EXPECT_FALSE(shown.checks.at("DemoBox"));
  EXPECT_TRUE(shown.checks.at("IDMoonBox"));
  EXPECT_FALSE(shown.checks.at("AdminBox"));
  // Every control of the dialog has its entry; nothing else has one.
  EXPECT_EQ(shown.texts.size(), OptionTextControls().size() + OptionNumberControls().size() + 1);
  EXPECT_EQ(shown.checks.size(), OptionCheckControls().size());
  EXPECT_EQ(Open().texts.at("DispTmrEd"), "65535");
  EXPECT_EQ(Open().texts.at("ZnEd"), "-5.2");  // an exact half goes to the even digit
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OptionsFormTest, OkWithoutChangesKeepsEveryFieldAndAsksNothing) {
  ASSERT_TRUE(Ok(Open()));
  EXPECT_TRUE(SameRecord(options.Record(), before));
  EXPECT_EQ(options.Record().AnimStepHrs, 0.123456789_r);  // not rounded to "0.1235"
  EXPECT_EQ(options.Record().UserHelpFile, "Teacher notes.txt");
  EXPECT_TRUE(confirmations.empty());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(OptionsFormTest, EveryControlStoresIntoItsField) {
  OptionsFormEntries e = Open();
  for (auto& [name, checked] : e.checks) checked = !checked;
  e.texts["TblNumEd"] = "12345";
  e.texts["LogoEd"] = std::string(80, 'L');
  e.texts["LogFlEd"] = std::string(300, 'g');
  e.texts["UsrHlpEd"] = "";
  e.texts["AnmStepEd"] = " 0.25 ";
  e.texts["ObsIntEd"] = "+12";
  e.texts["NDrtnEd"] = "1e1";
  e.texts["RSEd"] = "-7.5";
  e.texts["NCloudyEd"] = "55";
  e.texts["DispTmrEd"] = "70000";  // 0x11170: the low 16 bits are 0x1170
  ASSERT_TRUE(Ok(e));
  const OptsRec& r = options.Record();
  EXPECT_TRUE(r.LoginRequired);
  EXPECT_FALSE(r.EditMode);
  EXPECT_FALSE(r.Administrator);
  EXPECT_FALSE(r.IdentifyMoon);
  EXPECT_FALSE(r.NewtonClouds);
  EXPECT_TRUE(r.RoemerClouds);
  EXPECT_EQ(r.LabTable, "1234");
  EXPECT_EQ(r.LogoBmp, std::string(71, 'L'));
  EXPECT_EQ(r.LogFileName, std::string(255, 'g'));
  EXPECT_EQ(r.UserHelpFile, "");
  EXPECT_EQ(r.AnimStepHrs, 0.25_r);
  EXPECT_EQ(r.ObsStepHrs, 12.0_r);
  EXPECT_EQ(r.NewtonCloudHrs, 10.0_r);
  EXPECT_EQ(r.RedSpotLong, -7.5f);
  EXPECT_EQ(r.NewtonCloudyPct, 55);
  EXPECT_EQ(r.AnimTimerMs, 0x1170);
  // Fields without a control are untouched.
  EXPECT_EQ(r.Reserved, "kept as it is");
  EXPECT_EQ(r.OnHelpFile, "OnHelp.txt");
  EXPECT_TRUE(prompter.messages.empty());
}

// A text that is no number of its field's kind stops OK there: the fields converted before
// it keep their new values, the later ones their old, until Cancel restores everything.
TEST_F(OptionsFormTest, ABadNumberStopsOkAndCancelRestoresEverything) {
  const struct {
    const char* name;
    const char* control;
    const char* text;
  } bad[] = {
      {"a fraction for an integer", "NCloudyEd", "12.5"},
      {"an exponent for an integer", "RCloudyEd", "1e3"},
      {"a decimal comma", "AnmStepEd", "0,5"},
      {"empty", "ObsIntEd", ""},
      {"trailing letters", "NDrtnEd", "6h"},
      {"not finite", "RDrtnEd", "inf"},
      {"beyond 32 bits", "DispTmrEd", "99999999999"},
      {"letters", "RSEd", "abc"},
      {"beyond a single", "ZnEd", "1e39"},
  };
  for (const auto& b : bad) {
    OptionsFormEntries e = Open();
    e.texts["NCloudyEd"] = "55";
    e.texts["RCloudyEd"] = "66";
    e.texts["LogoEd"] = "Other.bmp";
    e.checks["TestBox"] = true;
    e.texts[b.control] = b.text;
    prompter.messages.clear();
    EXPECT_FALSE(Ok(e)) << b.name;
    ASSERT_EQ(prompter.messages.size(), 1u) << b.name;
    EXPECT_EQ(prompter.messages[0].text, kNumericError);
    EXPECT_EQ(prompter.messages[0].caption, "Non-Numeric Value!");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Stop);
    const OptsRec& r = options.Record();
    // Check boxes and texts come first, then the numbers in their order.
    EXPECT_TRUE(r.TestMode) << b.name;
    EXPECT_EQ(r.LogoBmp, "Other.bmp") << b.name;
    const bool newton_first = std::string(b.control) == "NCloudyEd";
    EXPECT_EQ(r.NewtonCloudyPct, newton_first ? -3 : 55) << b.name;
    EXPECT_EQ(r.RoemerCloudyPct, newton_first || std::string(b.control) == "RCloudyEd" ? 10 : 66)
        << b.name;
    EXPECT_EQ(r.ZoneDiffHrs, -5.25f) << b.name;  // the last one is never reached
    EXPECT_TRUE(confirmations.empty()) << b.name;
    form.Cancel();
    EXPECT_TRUE(SameRecord(options.Record(), before)) << b.name;
  }
}

TEST_F(OptionsFormTest, AChangedPasswordIsTypedTwice) {
  const std::string kConfirmed =
      "Password Change is Confirmed.\r\n\r\nYou Must Save JUP_OPTS.INI To Complete the Change.";
  const std::string kNotConfirmed =
      "Password Change Not Confirmed!\r\n\r\nCurrent Password Will Be Retained.";
  const struct {
    const char* name;
    std::string typed;
    std::optional<std::string> second;  // nothing: the confirmation is cancelled
    std::string password_after;
    std::string message;
  } cases[] = {
      {"letter case only", "secret", "secret", "secret", kConfirmed},
      {"empty, confirmed empty", "", "", "", kConfirmed},
      {"all sixteen characters", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP",
       kConfirmed},
      {"typed differently", "NewOne", "newone", "Secret", kNotConfirmed},
      {"confirmation cancelled", "NewOne", std::nullopt, "Secret", kNotConfirmed},
  };
  for (const auto& c : cases) {
    options.Record() = before;
    prompter.messages.clear();
    confirmations.clear();
    OptionsFormEntries e = Open();
    e.texts["PWEd"] = c.typed;
    e.texts["TblNumEd"] = "C3";
    ASSERT_TRUE(Ok(e, c.second)) << c.name;  // the dialog closes with OK either way
    ASSERT_EQ(confirmations.size(), 1u) << c.name;
    EXPECT_EQ(Password(), c.password_after) << c.name;
    EXPECT_EQ(options.Record().PasswordLen, c.password_after.size()) << c.name;
    ASSERT_EQ(prompter.messages.size(), 1u) << c.name;
    EXPECT_EQ(prompter.messages[0].text, c.message) << c.name;
    EXPECT_EQ(prompter.messages[0].caption, c.message == kConfirmed ? "Password Confirmed"
                                                                     : "Password Not Changed!");
    EXPECT_EQ(prompter.messages[0].icon,
              c.message == kConfirmed ? Icon::Information : Icon::Stop);
    EXPECT_EQ(options.Record().LabTable, "C3") << c.name;  // the other changes stay
  }
}

TEST_F(OptionsFormTest, WithoutAnOptionsObjectTheDialogSaysSoAndChangesNothing) {
  OptionsForm unassigned(nullptr, prompter);
  EXPECT_FALSE(unassigned.Activate());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "No Options Assigned!");
  EXPECT_EQ(prompter.messages[0].caption, "Cannot Modify Options!");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_TRUE(unassigned.Ok({}, {}));
  unassigned.Cancel();
  // Cancel before the dialog ever opened has no copy to restore.
  form.Cancel();
  EXPECT_TRUE(SameRecord(options.Record(), before));
}

TEST(AdministratorBoxTest, OnlyYesKeepsTheBoxChecked) {
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    test::RecordingPrompter prompter;
    prompter.answers = {answer};
    EXPECT_EQ(KeepAdministratorChecked(prompter), answer == Answer::Yes);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Are you the administrator of this program in a multi-user environment?\r\n"
              "(Do NOT check this box if you are the ONLY user.)");
    EXPECT_EQ(prompter.messages[0].caption, "Multi-User Environment?");
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
  }
}

}  // namespace
}  // namespace jovi
