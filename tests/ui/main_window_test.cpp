// The main window driven offscreen: start-up in each exercise, login, the exercise choice, the
// quit questions, the About box and the general error report.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "app/client_area.h"
#include "app/jovi_application.h"
#include "app/sat_lab_form.h"
#include "config/options_file.h"
#include "config/ui/login_dialog.h"
#include "lists/ui/about_box.h"
#include "lists/ui/string_input_dialog.h"
#include "platform/program_dir.h"
#include "platform/windows_cursor_format.h"
#include "report/ui/search_string_dialog.h"
#include "session/ui/exercise_form.h"
#include "support/file_helpers.h"
#include "support/home_sandbox.h"
#include "support/main_window_start.h"
#include "support/modal_helpers.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"
#include "support/shipped_help.h"
#include "util/ui/qt_print_surface.h"

using jovi::Answer;
using jovi::TSatLabForm1;

namespace {

const QColor kLogoColour(200, 30, 30);
const QColor kTitleColour(30, 160, 60);
const QColor kRoemerColour(40, 60, 200);
const std::string kSure = "Are You Sure You Want to Quit This Exercise?";
const std::string kDataUnsaved =
    "You have not saved your measurement data!\r\n\r\nDo you want to save it now?";

void SavePicture(const std::string& path, QSize size, QColor colour) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  QPainter painter(&picture);
  painter.setPen(Qt::white);
  painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("fixture"));
  painter.end();
  QVERIFY(picture.save(QString::fromStdString(path), "BMP"));
}

// A program folder with small pictures and an options file, and a sandboxed home whose work
// folder is the data folder.
class WindowSetup {
 public:
  WindowSetup() {
    program_ = sandbox_.Root().Path().string() + "/program/";
    std::filesystem::create_directories(program_);
    jovi::test::LinkShippedHelp(program_);
    jovi::SetProgramDir(program_);
    SavePicture(program_ + "ZEVALOGO.bmp", {300, 200}, kLogoColour);
    SavePicture(program_ + "SatLabx.bmp", {400, 250}, kTitleColour);
    SavePicture(program_ + "RoemerSplash.bmp", {64, 40}, kRoemerColour);
    options.WriteLog = true;
  }
  ~WindowSetup() { jovi::SetProgramDir(""); }

  std::unique_ptr<TSatLabForm1> Open(QStringList arguments = {}) {
    return jovi::test::OpenMainWindow(program_, options, std::move(arguments));
  }

  std::string Program() const { return program_; }
  std::string Data() const { return sandbox_.WorkFolder(); }

  jovi::OptsRec options;
  jovi::test::ScopedProgramPrompter prompts;

 private:
  jovi::test::HomeSandbox sandbox_;
  std::string program_;
};

QAction* Item(QWidget& form, const char* name) {
  return form.findChild<QAction*>(QString::fromLatin1(name));
}

QColor PixelAt(TSatLabForm1& form, QPoint p) {
  return form.Client().grab().toImage().pixelColor(p);
}

std::vector<std::string> Texts(const jovi::test::RecordingPrompter& prompter) {
  std::vector<std::string> texts;
  for (const auto& m : prompter.messages) texts.push_back(m.text);
  return texts;
}

// Logs in through "Student Accounting" with the given first name; the login question is
// answered Yes by the silent default.
void LogInAs(TSatLabForm1& form, const QString& name, const QString& table = {}) {
  jovi::test::OnNextModal<jovi::TLoginDlg>([name, table](jovi::TLoginDlg* dialog) {
    dialog->Stud1->setText(name);
    dialog->LabTbl->setText(table);
    jovi::test::SaveScreenshot(*dialog, "login_dialog");
    QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
  });
  Item(form, "LogIn1")->trigger();
}

class Thrower : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Disk on fire");
    return QObject::event(e);
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTheLogoAndTheSplashMenus() {
    WindowSetup setup;
    setup.options.OnHelpFile = "OnHelp.txt";
    const std::vector<std::uint32_t> cross(16 * 16, 0xFF00FF00u);
    const std::vector<std::uint8_t> cursor =
        jovi::EncodeIconFile(jovi::IconFileKind::Cursor, 16, 16, cross, 3, 5);
    std::ofstream(setup.Program() + "XPXHAIR.CUR", std::ios::binary)
        .write(reinterpret_cast<const char*>(cursor.data()),
               static_cast<std::streamsize>(cursor.size()));
    auto form = setup.Open();
    QVERIFY(form && form->Started());
    QCOMPARE(form->centralWidget()->size(), QSize(632, 434));
    QCOMPARE(form->windowTitle(), QStringLiteral("Jovitrack"));
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(Item(*form, "LogIn1")->isEnabled());
    QVERIFY(Item(*form, "Exit1")->isEnabled());
    QVERIFY(!Item(*form, "Run1")->isEnabled());
    QVERIFY(!Item(*form, "Preferences1")->isEnabled());
    QVERIFY(!Item(*form, "Data1")->isVisible());
    QVERIFY(!Item(*form, "DataSep")->isVisible());
    QVERIFY(Item(*form, "OnHelp1")->isVisible() && Item(*form, "OnHelpSep")->isVisible());
    QVERIFY(!Item(*form, "User1")->isVisible() && !Item(*form, "UserSep")->isVisible());
    QVERIFY(!form->Client().Panel1->isVisible());
    QCOMPARE(form->CrossHairCursor().hotSpot(), QPoint(3, 5));
    // The logo keeps its own size at the top left.
    QCOMPARE(PixelAt(*form, {5, 5}), kLogoColour);
    QVERIFY(PixelAt(*form, {400, 300}) != kLogoColour);
    jovi::test::SaveScreenshot(*form, "main_window_logo");
    QVERIFY(setup.prompts.prompter.messages.empty());
  }

  void aMissingLogoOrCursorPaintsNothingAndSaysNothing() {
    WindowSetup setup;
    setup.options.LogoBmp = "absent.bmp";
    auto form = setup.Open({QStringLiteral("NEWTON")});
    QVERIFY(form && form->Started());
    QVERIFY(form->Client().Picture().isNull());
    QCOMPARE(form->CrossHairCursor().shape(), Qt::CrossCursor);  // no cursor file either
    QVERIFY(setup.prompts.prompter.messages.empty());
  }

  void theCommandLineChoosesTheExercise_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("dataMenu");
    QTest::addColumn<QColor>("corner");   // at (5, 5)
    QTest::addColumn<QColor>("farSide");  // at (600, 400): only a stretched picture reaches it
    QTest::newRow("NEWTON") << QStringList{"NEWTON"} << "ZEVA Exercise - Jovitrack" << true
                            << kTitleColour << QColor();
    QTest::newRow("roemer, lower case") << QStringList{"roemer"} << "ZEVA Exercise - Lumitrack"
                                        << false << kRoemerColour << kRoemerColour;
    QTest::newRow("both: NEWTON first")
        << QStringList{"ROEMER", "Newton"} << "ZEVA Exercise - Jovitrack" << true << kTitleColour
        << QColor();
  }
  void theCommandLineChoosesTheExercise() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, caption);
    QFETCH(bool, dataMenu);
    QFETCH(QColor, corner);
    QFETCH(QColor, farSide);
    WindowSetup setup;
    setup.options.LoginRequired = false;  // demonstration mode: no dialog
    auto form = setup.Open(arguments);
    QVERIFY(form);
    Item(*form, "LogIn1")->trigger();
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(Item(*form, "Data1")->isVisible(), dataMenu);
    QVERIFY(!Item(*form, "LogIn1")->isEnabled());
    QVERIFY(Item(*form, "Run1")->isEnabled());
    QVERIFY(Item(*form, "Preferences1")->isEnabled());
    QCOMPARE(PixelAt(*form, {5, 5}), corner);
    if (farSide.isValid()) {
      QCOMPARE(PixelAt(*form, {600, 400}), farSide);
    } else {
      QVERIFY(PixelAt(*form, {600, 400}) != kTitleColour);
    }
    jovi::test::SaveScreenshot(*form,
                               dataMenu ? "main_window_title_newton" : "main_window_title_roemer");
    QCOMPARE(form->Session().Students().LoginId, std::string("DEMO"));
    QVERIFY(std::filesystem::is_directory(setup.Data() + "Users/DEMO"));
  }

  void logsInThroughStudentAccounting() {
    WindowSetup setup;
    auto form = setup.Open({QStringLiteral("NEWTON")});
    QVERIFY(form);
    LogInAs(*form, QStringLiteral("John Smith"), QStringLiteral("12345"));
    QCOMPARE(Texts(setup.prompts.prompter),
             std::vector<std::string>{"Have You Finished Logging In?"});
    QCOMPARE(form->windowTitle(), QStringLiteral("ZEVA Exercise - Jovitrack"));
    QCOMPARE(form->Session().Students().TableNumber, std::string("1234"));
    QVERIFY(std::filesystem::is_directory(setup.Data() + "Users/JSmith"));
    const std::string log = jovi::test::ReadAll(setup.Data() + "ZEVALog.log");
    QVERIFY(log.find("Name1: John Smith\r\n") != std::string::npos);
    QVERIFY(log.find("Table: 1234\r\n") != std::string::npos);
    QVERIFY(!Item(*form, "LogIn1")->isEnabled());
  }

  void aFirstNameThatIsAPathStaysInsideUsers() {
    WindowSetup setup;
    auto form = setup.Open({QStringLiteral("NEWTON")});
    QVERIFY(form);
    LogInAs(*form, QStringLiteral("../../evil"));
    QCOMPARE(form->Session().Students().LoginId, std::string("../../ev"));
    QCOMPARE(form->Session().Options().UserDir, setup.Data() + "Users/%2E.%2F..%2Fev/");
    QVERIFY(std::filesystem::is_directory(setup.Data() + "Users/%2E.%2F..%2Fev"));
    QVERIFY(!std::filesystem::exists(setup.Data() + "../ev"));
  }

  void theStudentChoosesTheExercise() {
    WindowSetup setup;
    setup.options.LoginRequired = false;
    auto form = setup.Open();
    QVERIFY(form);
    bool stayed_open = false;
    jovi::test::OnNextModal<jovi::TExerciseForm1>([&](jovi::TExerciseForm1* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Exercise"));
      QCOMPARE(dialog->size(), QSize(346, 153));
      QCOMPARE(dialog->RadioItems->checkedId(), -1);
      QVERIFY(dialog->findChild<QLabel*>()->text() ==
              QStringLiteral("Please select an execise for the Jovitrack software."));
      jovi::test::SaveScreenshot(*dialog, "exercise_choice");
      QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);  // nothing chosen
      stayed_open = dialog->isVisible();
      dialog->RadioItems->button(1)->click();
      QCOMPARE(dialog->RadioItems->button(1)->text(), QStringLiteral("\"Lumitrack\""));
      QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    Item(*form, "LogIn1")->trigger();
    QVERIFY(stayed_open);
    const auto& messages = setup.prompts.prompter.messages;
    QCOMPARE(messages.size(), std::size_t{1});
    QCOMPARE(messages[0].text, std::string("You must select an exercise!"));
    QCOMPARE(messages[0].caption, std::string("No Exercise Selected!"));
    QCOMPARE(messages[0].icon, jovi::Icon::Stop);
    QCOMPARE(form->Session().Mode(), jovi::ExerciseMode::Roemer);
    QCOMPARE(form->windowTitle(), QStringLiteral("ZEVA Exercise - Lumitrack"));
  }

  void closingTheChoiceLeavesNoExercise() {
    WindowSetup setup;
    setup.options.LoginRequired = false;
    auto form = setup.Open();
    QVERIFY(form);
    jovi::test::OnNextModal<jovi::TExerciseForm1>(
        [](jovi::TExerciseForm1* dialog) { dialog->reject(); });
    Item(*form, "LogIn1")->trigger();
    QCOMPARE(form->Session().Mode(), jovi::ExerciseMode::None);
    QCOMPARE(form->windowTitle(), QStringLiteral("Jovitrack"));
    QVERIFY(form->Client().Picture().isNull());
  }

  void cancelAtTheFirstQuitQuestionKeepsTheProgramRunning() {
    WindowSetup setup;
    setup.options.LoginRequired = false;
    auto form = setup.Open({QStringLiteral("NEWTON")});
    QVERIFY(form);
    Item(*form, "LogIn1")->trigger();
    form->Session().SetDataSaved(false);
    auto& prompter = setup.prompts.prompter;

    prompter.answers = {Answer::Cancel};
    QVERIFY(!form->close());
    QVERIFY(form->isVisible());
    QCOMPARE(Texts(prompter), std::vector<std::string>{kDataUnsaved});
    QCOMPARE(prompter.messages[0].caption, std::string("Data Will Be Lost!"));
    QCOMPARE(prompter.messages[0].buttons, jovi::Buttons::YesNoCancel);

    // Yes pops up the save menu, and the quit question still follows.
    prompter.messages.clear();
    prompter.answers = {Answer::Yes, Answer::No};
    QStringList popup_items;
    jovi::test::OnNextPopup([&](QMenu* menu) {
      for (QAction* a : menu->actions()) popup_items << a->text();
      jovi::test::SaveScreenshot(*menu, "save_popup_menu");
      menu->close();
    });
    Item(*form, "Exit1")->trigger();
    QVERIFY(form->isVisible());
    QCOMPARE(popup_items,
             (QStringList{"Save data in &Binary Format...", "Save data in .&CSV Format..."}));
    QCOMPARE(Texts(prompter), (std::vector<std::string>{kDataUnsaved, kSure}));
    QCOMPARE(prompter.messages[1].caption, std::string("** Exercise Finished? **"));
    QCOMPARE(prompter.messages[1].buttons, jovi::Buttons::YesNo);
    QCOMPARE(prompter.messages[1].icon, jovi::Icon::Stop);

    // No to saving, Yes to quitting: the window closes and the log gets its logout block.
    prompter.messages.clear();
    prompter.answers = {Answer::No, Answer::Yes};
    QVERIFY(form->close());
    QCOMPARE(Texts(prompter), (std::vector<std::string>{kDataUnsaved, kSure}));
    const std::string log = jovi::test::ReadAll(setup.Data() + "ZEVALog.log");
    QVERIFY(log.find("Logout: ZEVA_JUP\r\n") != std::string::npos);
    QVERIFY(log.find("EndLogout: ZEVA_JUP\r\n") != std::string::npos);
  }

  void afterRunTheReminderDecides() {
    WindowSetup setup;
    setup.options.LoginRequired = false;
    std::ofstream(setup.Program() + "REMINDER.jup") << "Did you save your data?\n";
    auto form = setup.Open({QStringLiteral("NEWTON")});
    QVERIFY(form);
    Item(*form, "LogIn1")->trigger();
    Item(*form, "Run1")->trigger();
    QVERIFY(!Item(*form, "Run1")->isEnabled());
    QVERIFY(Item(*form, "Timing1")->isEnabled());
    QVERIFY(form->Client().Panel1->isVisible());
    QVERIFY(form->Client().Picture().isNull());
    auto& prompter = setup.prompts.prompter;
    prompter.answers = {Answer::Cancel};
    QVERIFY(!form->close());
    QCOMPARE(Texts(prompter),
             std::vector<std::string>{"Did you save your data?\r\n\r\nSelect \"OK\" to Quit "
                                      "Exercise, \"Cancel\" to Continue."});
    QCOMPARE(prompter.messages[0].buttons, jovi::Buttons::OkCancel);
    prompter.answers = {Answer::Ok};
    QVERIFY(form->close());
  }

  void theAboutBoxShowsItsTexts() {
    WindowSetup setup;
    auto form = setup.Open();
    QVERIFY(form);
    QStringList texts;
    jovi::test::OnNextModal<jovi::TAboutBox>([&](jovi::TAboutBox* box) {
      texts << box->windowTitle() << box->ProductName->text() << box->Version->text()
            << box->Exercise1->text();
      jovi::test::SaveScreenshot(*box, "about_box");
      QTest::mouseClick(box->OKButton, Qt::LeftButton);
    });
    Item(*form, "About1")->trigger();
    QCOMPARE(texts, (QStringList{"About This Module", "Zeva Laboratory Exercises in Astronomy",
                                 "Version 2.114", "Jovitrack"}));
  }

  void theMenusCarryTheirCaptions() {
    WindowSetup setup;
    setup.options.LoginRequired = false;
    auto form = setup.Open({QStringLiteral("NEWTON")});
    QVERIFY(form);
    Item(*form, "LogIn1")->trigger();
    QStringList file_items;
    QMenu* file = form->menuBar()->actions().at(0)->menu();
    for (QAction* a : file->actions()) {
      if (!a->isSeparator()) file_items << a->text();
    }
    QCOMPARE(file_items,
             (QStringList{"&Log In...", "&Run...", "&Observation Date", "&Timing...",
                          "&Features...", "&Jupiter Phenomena", "Moon &Events...", "&Data",
                          "&Preferences", "E&xit"}));
    file->popup(form->mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    jovi::test::SaveScreenshot(*file, "menu_file");
    QMenu* data = Item(*form, "Data1")->menu();
    data->popup(form->mapToGlobal(QPoint(120, 100)));
    QVERIFY(QTest::qWaitForWindowExposed(data));
    jovi::test::SaveScreenshot(*data, "menu_data");
    data->close();
    file->close();
    QMenu* help = form->menuBar()->actions().at(1)->menu();
    help->popup(form->mapToGlobal(QPoint(40, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(help));
    jovi::test::SaveScreenshot(*help, "menu_help");
    help->close();
    QVERIFY(!Item(*form, "ReviewData1")->isEnabled());
    QVERIFY(!Item(*form, "SaveUpdates1")->isEnabled());
    QVERIFY(!Item(*form, "ListSavedDateTime1")->isEnabled());
  }

  void theSearchDialogKeepsItsLastSearch() {
    jovi::TGetSrchStrDlg dialog;
    dialog.Request().SearchText = "io";
    jovi::test::OnNextModal<jovi::TGetSrchStrDlg>([](jovi::TGetSrchStrDlg* d) {
      QCOMPARE(d->SrchStr1->text(), QStringLiteral("io"));
      QCOMPARE(d->SrchStr1->selectedText(), QStringLiteral("io"));
      d->SrchStr1->setText(QStringLiteral("Europa"));
      d->CaseCheck->setChecked(true);
      QTest::mouseClick(d->SrchNextBtn, Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.Request().StartMode, jovi::SearchStart::FromCursor);
    QCOMPARE(dialog.Request().SearchText, std::string("Europa"));
    QVERIFY(dialog.Request().CaseDependent);

    jovi::test::OnNextModal<jovi::TGetSrchStrDlg>([](jovi::TGetSrchStrDlg* d) {
      QVERIFY(d->CaseCheck->isChecked());
      QVERIFY(d->SrchTopBtn->isDefault());
      d->SrchStr1->clear();
      QTest::mouseClick(d->SrchTopBtn, Qt::LeftButton);  // an empty text cancels
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.Request().StartMode, jovi::SearchStart::Cancelled);
    QCOMPARE(dialog.Request().SearchText, std::string());
  }

  void theInputDialogGivesBackWhatWasTyped() {
    jovi::TStrIpDlg dialog;
    dialog.Value = QStringLiteral("D");
    dialog.CaptionText = QStringLiteral("CDROM Drive?");
    dialog.Prompt = QStringLiteral("Please Enter Drive Letter of CDROM:");
    jovi::test::OnNextModal<jovi::TStrIpDlg>([](jovi::TStrIpDlg* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("CDROM Drive?"));
      QCOMPARE(d->PromptLbl->text(), QStringLiteral("Please Enter Drive Letter of CDROM:"));
      QCOMPARE(d->EditStr->text(), QStringLiteral("D"));
      d->EditStr->setText(QStringLiteral("E"));
      d->reject();  // Cancel keeps the value
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.Value, QStringLiteral("D"));
    jovi::test::OnNextModal<jovi::TStrIpDlg>([](jovi::TStrIpDlg* d) {
      d->EditStr->setText(QStringLiteral("E"));
      QTest::keyClick(d->EditStr, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.Value, QStringLiteral("E"));
  }

  void thePageHeaderPrintsThroughQt() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("header.pdf")));
    jovi::QtPrintSurface surface(printer);
    const jovi::StudentInfo students{{"John Smith", "Mary Ann Jones", "", ""}, "7", "JSmith"};
    surface.SetJobTitle(jovi::PrintJobTitle(students));
    QVERIFY(surface.BeginDocument());
    const jovi::PrintHeaderLayout layout =
        jovi::PrintHeader(surface, students, "B2", "05-10-2024 14:30:00");
    surface.EndDocument();
    QCOMPARE(printer.docName(), QStringLiteral("ZEVA Exercise \"Jovitrack\" - John Smith"));
    QVERIFY(layout.line_height > 0);
    QCOMPARE(layout.line_y, 5 * layout.line_height);
    // The heading's face has a fixed pitch: twelve blanks are as wide as twelve of any letter.
    QCOMPARE(layout.left_margin, surface.TextWidth("iiiiiiiiiiii"));
    QCOMPARE(layout.left_margin, surface.TextWidth("WWWWWWWWWWWW"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("header.pdf"))).size() > 0);
  }

  void anExceptionInAnActionIsReportedAndTheProgramGoesOn() {
    jovi::test::ScopedProgramPrompter prompts;
    Thrower thrower;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    QCOMPARE(prompts.prompter.messages.size(), std::size_t{1});
    QCOMPARE(prompts.prompter.messages[0].text, std::string("Disk on fire."));
    QCOMPARE(prompts.prompter.messages[0].caption, std::string("Jovitrack"));
    QCOMPARE(prompts.prompter.messages[0].icon, jovi::Icon::Stop);
  }
};

int main(int argc, char** argv) {
  jovi::JoviApplication app(argc, argv);
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
