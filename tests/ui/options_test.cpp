// The instructor's dialogs driven offscreen: "Software Options" with its three tabs, the two
// password dialogs, and the whole instructor path from the main window's login to a restart
// that finds the saved options in force.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/jovi_application.h"
#include "app/sat_lab_form.h"
#include "config/options_file.h"
#include "config/options_form.h"
#include "config/password.h"
#include "config/ui/login_dialog.h"
#include "config/ui/options_dialog.h"
#include "config/ui/password_dialog.h"
#include "platform/program_dir.h"
#include "support/home_sandbox.h"
#include "support/modal_helpers.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"

using jovi::Answer;
using jovi::TOptionsDlg;
using jovi::TPasswordDlg;
using jovi::TPasswordDlg1;

namespace {

std::vector<std::string> Captions(const jovi::test::RecordingPrompter& prompter) {
  std::vector<std::string> captions;
  for (const auto& m : prompter.messages) captions.push_back(m.caption);
  return captions;
}

// A click on a check box's own square, wherever the layout stretched the box.
void ClickBox(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

std::string Password(const jovi::OptsRec& r) {
  return jovi::UnscramblePassword(r.PasswordWords, r.PasswordLen);
}

// An options object with the defaults, and the program's prompter recording.
struct DialogSetup {
  DialogSetup() : options(prompts.prompter) {
    options.Record().OptsFileName = "JUP_OPTS.INI";
    options.Record().UserHelpFile = "Teacher.txt";
  }
  jovi::test::ScopedProgramPrompter prompts;
  jovi::OptsObj options;
};

}  // namespace

class OptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void theDialogShowsEveryControlOnItsTab() {
    DialogSetup setup;
    TOptionsDlg dialog(&setup.options);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Software Options"));
    QCOMPARE(dialog.PageControl1->count(), 3);
    QCOMPARE(dialog.PageControl1->tabText(0), QStringLiteral("&General"));
    QCOMPARE(dialog.PageControl1->tabText(1), QStringLiteral("&Files"));
    QCOMPARE(dialog.PageControl1->tabText(2), QStringLiteral("Clouds"));
    QCOMPARE(dialog.PageControl1->currentIndex(), 0);
    for (const auto& c : jovi::OptionCheckControls()) QVERIFY2(dialog.Box(c.control), c.control);
    for (const auto& c : jovi::OptionTextControls()) QVERIFY2(dialog.Edit(c.control), c.control);
    for (const auto& c : jovi::OptionNumberControls()) {
      QVERIFY2(dialog.Edit(c.control), c.control);
    }
    for (const char* group :
         {"&Parameters", "Optio&ns", "&URLs", "\"Special\"", "\"Splash\" &BMPs", "&Help Files",
          "&Data Files && Lists", "Mass of Jupiter Exercise", "Lumitrack Exercise"}) {
      QVERIFY2(dialog.findChild<QGroupBox*>(QString::fromUtf8(group)), group);
    }
    QCOMPARE(dialog.Edit("AnmStepEd")->text(), QStringLiteral("0.1000"));
    QCOMPARE(dialog.Edit("RSEd")->text(), QStringLiteral("119.0"));
    QCOMPARE(dialog.Edit("UsrHlpEd")->text(), QStringLiteral("Teacher.txt"));
    QCOMPARE(dialog.PWEd->text(), QStringLiteral("TARN"));
    QCOMPARE(dialog.PWEd->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.TblNumEd->maxLength(), 4);
    QCOMPARE(dialog.PWEd->maxLength(), 16);
    QCOMPARE(dialog.Box("VisibilityBox")->text(), QStringLiteral("Eclipse \"Visibility\" "));
    QCOMPARE(dialog.Box("VisibilityBox")->toolTip(),
             QStringLiteral("Enable features to enhance eclipse \"visibility\"."));
    QCOMPARE(dialog.Edit("ZnEd")->toolTip(), QStringLiteral("UT minus Local (Zone) Time in Hours"));
    QVERIFY(!dialog.Box("DemoBox")->isChecked());
    const char* shots[] = {"options_general", "options_files", "options_clouds"};
    for (int tab = 0; tab < 3; ++tab) {
      dialog.PageControl1->setCurrentIndex(tab);
      jovi::test::SaveScreenshot(dialog, shots[tab]);
    }
    QVERIFY(setup.prompts.prompter.messages.empty());
  }

  void okWithoutChangesChangesNothing() {
    DialogSetup setup;
    setup.options.Record().AnimStepHrs = 0.123456_r;
    const std::vector<std::uint8_t> before = jovi::EncodeOptions(setup.options.Record());
    TOptionsDlg dialog(&setup.options);
    dialog.show();
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QVERIFY(jovi::EncodeOptions(setup.options.Record()) == before);
    QVERIFY(setup.prompts.prompter.messages.empty());
  }

  void aBadNumberKeepsTheDialogOpenUntilCancelRestores() {
    DialogSetup setup;
    const std::vector<std::uint8_t> before = jovi::EncodeOptions(setup.options.Record());
    for (const bool close_box : {false, true}) {
      TOptionsDlg dialog(&setup.options);
      dialog.show();
      dialog.Edit("NCloudyEd")->setText(QStringLiteral("40"));
      dialog.Edit("RSEd")->setText(QStringLiteral("abc"));
      setup.prompts.prompter.messages.clear();
      QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      QCOMPARE(Captions(setup.prompts.prompter), std::vector<std::string>{"Non-Numeric Value!"});
      QCOMPARE(setup.options.Record().NewtonCloudyPct, 40);
      // Cancel, or the window's close box, puts the master back as it was.
      if (close_box) {
        dialog.close();
      } else {
        QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
      }
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.result(), int{QDialog::Rejected});
      QVERIFY(jovi::EncodeOptions(setup.options.Record()) == before);
    }
  }

  void aChangedPasswordIsTypedAgain_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("again");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("caption");
    QTest::newRow("letter case only") << "tarn" << "tarn" << "tarn" << "Password Confirmed";
    QTest::newRow("empty") << "" << "" << "" << "Password Confirmed";
    QTest::newRow("typed differently") << "Jove" << "jove" << "TARN" << "Password Not Changed!";
  }
  void aChangedPasswordIsTypedAgain() {
    QFETCH(QString, typed);
    QFETCH(QString, again);
    QFETCH(QString, after);
    QFETCH(QString, caption);
    DialogSetup setup;
    TOptionsDlg dialog(&setup.options);
    dialog.show();
    dialog.PWEd->setText(typed);
    dialog.TblNumEd->setText(QStringLiteral("B2"));
    bool asked = false;
    jovi::test::OnNextModal<TPasswordDlg1>([&](TPasswordDlg1* confirm) {
      asked = true;
      QCOMPARE(confirm->windowTitle(), QStringLiteral("Confirm Password Change"));
      QTest::keyClicks(confirm->Password, again);
      jovi::test::SaveScreenshot(*confirm, "password_confirm_dialog");
      QTest::mouseClick(confirm->OKBtn, Qt::LeftButton);
    });
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    QVERIFY(asked);
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QCOMPARE(QString::fromStdString(Password(setup.options.Record())), after);
    QCOMPARE(setup.options.Record().LabTable, std::string("B2"));
    QCOMPARE(Captions(setup.prompts.prompter), std::vector<std::string>{caption.toStdString()});
  }

  void checkingAdminBoxAsksAndNoUnchecksIt() {
    DialogSetup setup;
    TOptionsDlg dialog(&setup.options);
    dialog.show();
    auto& prompter = setup.prompts.prompter;
    prompter.answers = {Answer::No};
    ClickBox(dialog.AdminBox);
    QVERIFY(!dialog.AdminBox->isChecked());
    QCOMPARE(Captions(prompter), std::vector<std::string>{"Multi-User Environment?"});
    prompter.answers = {Answer::Yes};
    ClickBox(dialog.AdminBox);
    QVERIFY(dialog.AdminBox->isChecked());
    // Unchecking asks nothing.
    ClickBox(dialog.AdminBox);
    QVERIFY(!dialog.AdminBox->isChecked());
    QCOMPARE(prompter.messages.size(), std::size_t{2});
  }

  void thePasswordDialogGivesThreeAttempts() {
    jovi::test::ScopedProgramPrompter prompts;
    jovi::PasswordCheck check;
    check.Init("TARN");
    TPasswordDlg dialog(check);
    std::vector<Answer> results;
    for (const char* typed : {"tarn", "TARN!", "x"}) {
      jovi::test::OnNextModal<TPasswordDlg>([&, typed](TPasswordDlg* shown) {
        QVERIFY(shown->Password->text().isEmpty());  // cleared at every showing
        QTest::keyClicks(shown->Password, QString::fromLatin1(typed));
        jovi::test::SaveScreenshot(*shown, "password_required_dialog");
        QTest::mouseClick(shown->OKBtn, Qt::LeftButton);
      });
      results.push_back(dialog.Ask());
    }
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Password Required"));
    QCOMPARE(results, (std::vector<Answer>{Answer::No, Answer::No, Answer::Cancel}));
    QCOMPARE(prompts.prompter.messages.size(), std::size_t{1});
    QCOMPARE(prompts.prompter.messages[0].text, std::string("Too Many Invalid Passwords!"));
    QCOMPARE(prompts.prompter.messages[0].caption, std::string("Options Access Denied!"));
  }

  // The instructor logs in, gives the default password, changes two options and the
  // password, saves, and finds them in force after a restart.
  void theInstructorPathSavesOptionsThatARestartKeeps() {
    jovi::test::HomeSandbox sandbox;
    jovi::test::ScopedProgramPrompter prompts;
    const std::string program = sandbox.Root().Path().string() + "/program/";
    std::filesystem::create_directories(program);
    jovi::SetProgramDir(program);
    // The defaults, without the help lists this program folder does not have.
    jovi::OptsRec shipped;
    shipped.MainHelpList.clear();
    shipped.RoemerHelpList.clear();
    const std::vector<std::uint8_t> defaults = jovi::EncodeOptions(shipped);
    std::ofstream(program + "JUP_OPTS.INI", std::ios::binary)
        .write(reinterpret_cast<const char*>(defaults.data()),
               static_cast<std::streamsize>(defaults.size()));
    const QStringList arguments{QStringLiteral("jovitrack"), QStringLiteral("NEWTON")};
    {
      jovi::TSatLabForm1 form(arguments);
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      jovi::test::OnNextModal<jovi::TLoginDlg>([](jovi::TLoginDlg* login) {
        login->Stud1->setText(QStringLiteral("instructor"));
        QTest::mouseClick(login->OKBtn, Qt::LeftButton);
      });
      jovi::test::OnNextModal<TPasswordDlg>([](TPasswordDlg* password) {
        QTest::keyClicks(password->Password, QStringLiteral("TARN"));
        QTest::mouseClick(password->OKBtn, Qt::LeftButton);
      });
      jovi::test::OnNextModal<TOptionsDlg>([](TOptionsDlg* options) {
        options->Edit("ObsIntEd")->setText(QStringLiteral("12"));
        ClickBox(options->Box("IDMoonBox"));
        options->PWEd->setText(QStringLiteral("Jove"));
        QTest::mouseClick(options->OKBtn, Qt::LeftButton);
      });
      jovi::test::OnNextModal<TPasswordDlg1>([](TPasswordDlg1* confirm) {
        QTest::keyClicks(confirm->Password, QStringLiteral("Jove"));
        QTest::mouseClick(confirm->OKBtn, Qt::LeftButton);
      });
      // Every question is answered with its first button: Yes to saving and to keeping access.
      form.findChild<QAction*>(QStringLiteral("LogIn1"))->trigger();
      QCOMPARE(Captions(prompts.prompter),
               (std::vector<std::string>{"Login Completed?", "Password Confirmed",
                                         "Save Option Changes?", "Retain Options Access?"}));
      QVERIFY(form.Session().OptionsAccess());
      QVERIFY(form.findChild<QAction*>(QStringLiteral("Preferences1"))->isVisible());
      QCOMPARE(form.Session().Timing().ObservationStep, 12.0_r);
      QVERIFY(!form.findChild<QAction*>(QStringLiteral("SaveUpdates1"))->isEnabled());
      QVERIFY(std::filesystem::exists(sandbox.WorkFolder() + "JUP_OPTS.INI"));
    }
    prompts.prompter.messages.clear();
    jovi::TSatLabForm1 restarted(arguments);
    QVERIFY(restarted.Started());
    const jovi::OptsRec& in_force = restarted.Session().Options();
    QCOMPARE(in_force.ObsStepHrs, 12.0_r);
    QVERIFY(!in_force.IdentifyMoon);
    QCOMPARE(Password(in_force), std::string("Jove"));
    QVERIFY(prompts.prompter.messages.empty());
    jovi::SetProgramDir("");
  }
};

int main(int argc, char** argv) {
  jovi::JoviApplication app(argc, argv);
  OptionsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "options_test.moc"
#include "util/real.h"
