// The help system driven offscreen from the main window: a topic chosen from Help > Topics,
// a related topic followed by a double click and Back, and the "On Help" page.
#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "analysis/ui/orb_anal_form.h"
#include "app/event_commands.h"
#include "app/help_commands.h"
#include "app/jovi_application.h"
#include "app/measurement_commands.h"
#include "app/sat_lab_form.h"
#include "config/options_file.h"
#include "lists/ui/help_list_dialog.h"
#include "lists/ui/help_window.h"
#include "platform/program_dir.h"
#include "session/ui/top_view_window.h"
#include "support/home_sandbox.h"
#include "support/main_window_start.h"
#include "support/modal_helpers.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"

using jovi::TSatLabForm1;

namespace {

// A program folder holding the help fixtures, the topic list as the main help list.
class HelpSetup {
 public:
  HelpSetup() {
    program_ = sandbox_.Root().Path().string() + "/program/";
    std::filesystem::create_directories(program_);
    jovi::SetProgramDir(program_);
    // The folder the build names, not __FILE__: a compiler cache may make that relative.
    const std::filesystem::path fixtures = std::filesystem::path(JOVI_TEST_FIXTURES) / "help";
    for (const auto& file : std::filesystem::directory_iterator(fixtures)) {
      std::filesystem::copy_file(file.path(), program_ + file.path().filename().string());
    }
    for (const char* list : {"JupHlp.lst", "JupAnalHlp.lst", "TopVwHlp.lst"}) {
      std::filesystem::copy_file(fixtures / "TestHlp.lst", program_ + list);
    }
    options.LoginRequired = false;
    options.OnHelpFile = "intro.txt";
  }
  ~HelpSetup() { jovi::SetProgramDir(""); }

  std::unique_ptr<TSatLabForm1> OpenAndLogIn() {
    auto form = jovi::test::OpenMainWindow(program_, options, {QStringLiteral("NEWTON")});
    if (!form) return nullptr;
    form->findChild<QAction*>(QStringLiteral("LogIn1"))->trigger();
    return form;
  }

  jovi::OptsRec options;
  jovi::test::ScopedProgramPrompter prompts;

 private:
  jovi::test::HomeSandbox sandbox_;
  std::string program_;
};

QStringList Lines(QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

void DoubleClickLine(QListWidget* list, const QString& text) {
  const auto found = list->findItems(text, Qt::MatchExactly);
  QVERIFY(!found.isEmpty());
  const QRect place = list->visualItemRect(found.first());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  void aTopicFromTheMainMenuThenARelatedTopicAndBack() {
    HelpSetup setup;
    auto form = setup.OpenAndLogIn();
    QVERIFY(form);
    QAction* topics = form->findChild<QAction*>(QStringLiteral("Topics1"));
    QVERIFY(topics->isEnabled());

    QStringList offered;
    jovi::test::OnNextModal<jovi::THelpLstDlg>([&offered](jovi::THelpLstDlg* dialog) {
      offered = Lines(dialog->HlpLstBox);
      jovi::test::SaveScreenshot(*dialog, "help_topics_dialog");
      dialog->HlpLstBox->setCurrentRow(2);  // the heading: a message, and the dialog stays
      dialog->ReadPrintTopic1->trigger();
      QVERIFY(dialog->isVisible());
      dialog->HlpLstBox->setCurrentRow(3);
      dialog->ReadPrintTopic1->trigger();
    });
    topics->trigger();
    QCOMPARE(offered, (QStringList{"Introduction", "", "-Orbits-", "  Io", "  Europa", "",
                                   "Short Topic", "Missing Topic"}));
    QCOMPARE(setup.prompts.prompter.messages.size(), std::size_t{1});
    QCOMPARE(setup.prompts.prompter.messages[0].text,
             std::string("Select a Topic Under \"-Orbits-\""));
    QCOMPARE(setup.prompts.prompter.messages[0].caption, std::string("Topic Heading"));

    jovi::THelpWin& window = form->Help().HelpWindow();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Help - Io"));
    QVERIFY(Lines(window.ListBox1).contains(QStringLiteral("  Related Topics:  ")));
    QVERIFY(!window.Back1->isEnabled());
    QVERIFY(window.ShowHelpTopics1->isEnabled());
    jovi::test::SaveScreenshot(window, "help_window");

    DoubleClickLine(window.ListBox1, QStringLiteral("  Introduction  "));
    QCOMPARE(window.windowTitle(), QStringLiteral("Help - Introduction"));
    QVERIFY(window.isVisible());
    QVERIFY(window.Back1->isEnabled());

    window.Back1->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("Help - Io"));
    QVERIFY(!window.Back1->isEnabled());

    // Closing forgets the history.
    window.CloseTopicWindow1->trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.Browser().History.Count(), 0);
    QCOMPARE(setup.prompts.prompter.messages.size(), std::size_t{1});
  }

  void onHelpShowsItsPageAndCanBeLeftForATopic() {
    HelpSetup setup;
    auto form = setup.OpenAndLogIn();
    QVERIFY(form);
    QAction* on_help = form->findChild<QAction*>(QStringLiteral("OnHelp1"));
    QVERIFY(on_help->isVisible() && on_help->isEnabled());
    QVERIFY(!form->findChild<QAction*>(QStringLiteral("User1"))->isVisible());
    on_help->trigger();
    jovi::THelpWin& window = form->Help().HelpWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("Help - On Help"));
    QVERIFY(Lines(window.ListBox1).size() > 4);

    // "Show Help Topics..." offers the main list; a topic chosen there can go back to the page.
    jovi::test::OnNextModal<jovi::THelpLstDlg>([](jovi::THelpLstDlg* dialog) {
      dialog->HlpLstBox->setCurrentRow(4);
      dialog->ReadPrintTopic1->trigger();
    });
    window.ShowHelpTopics1->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("Help - Europa"));
    window.Back1->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("Help - On Help"));
    QVERIFY(setup.prompts.prompter.messages.empty());
  }

  void theAnalysisWindowAndTheTopViewOfferTheirOwnLists_data() {
    QTest::addColumn<bool>("analysis");
    QTest::newRow("analysis window") << true;
    QTest::newRow("top view") << false;
  }
  void theAnalysisWindowAndTheTopViewOfferTheirOwnLists() {
    QFETCH(bool, analysis);
    HelpSetup setup;
    auto form = setup.OpenAndLogIn();
    QVERIFY(form);
    const jovi::HelpList* main_list = form->Help().MainHelpList();
    QVERIFY(main_list);
    jovi::HelpList* offered = nullptr;
    jovi::test::OnNextModal<jovi::THelpLstDlg>([&](jovi::THelpLstDlg* dialog) {
      offered = form->Help().State().CurrentHelpList;
      QCOMPARE(dialog->HlpLstBox->count(), 8);
      dialog->HlpLstBox->setCurrentRow(4);
      dialog->ReadPrintTopic1->trigger();
    });
    if (analysis) {
      emit form->Measurements().AnalysisWindow().HelpRequested();
    } else {
      emit form->Events().TopView().HelpRequested();
    }
    QVERIFY(offered != nullptr && offered != main_list);
    QCOMPARE(form->Help().HelpWindow().windowTitle(), QStringLiteral("Help - Europa"));
    QVERIFY(setup.prompts.prompter.messages.empty());
  }

  void aTopicWithoutTextIsReported() {
    HelpSetup setup;
    auto form = setup.OpenAndLogIn();
    QVERIFY(form);
    jovi::test::OnNextModal<jovi::THelpLstDlg>([](jovi::THelpLstDlg* dialog) {
      dialog->HlpLstBox->setCurrentRow(6);
      dialog->ReadPrintTopic1->trigger();
    });
    form->findChild<QAction*>(QStringLiteral("Topics1"))->trigger();
    QCOMPARE(setup.prompts.prompter.messages.size(), std::size_t{1});
    QCOMPARE(setup.prompts.prompter.messages[0].caption, std::string("No Text for Topic"));
    QCOMPARE(form->Help().HelpWindow().ListBox1->count(), 0);
  }
};

int main(int argc, char** argv) {
  jovi::JoviApplication app(argc, argv);
  HelpTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_test.moc"
