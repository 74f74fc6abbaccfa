// The hotlist driven offscreen from the date dialog's "Hotlist" menu: a date chosen from the
// list fills the dialog's fields, a date put on the list makes it unsaved, and the quit
// question saves it into the student's folder.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/help_commands.h"
#include "app/jovi_application.h"
#include "app/sat_lab_form.h"
#include "config/options_file.h"
#include "lists/hotlist_entry.h"
#include "lists/ui/hotlist_form.h"
#include "platform/program_dir.h"
#include "session/ui/date_dialog.h"
#include "support/home_sandbox.h"
#include "support/main_window_start.h"
#include "support/modal_helpers.h"
#include "support/recording_prompter.h"
#include "support/screenshot.h"
#include "util/date_serial.h"

using jovi::TSatLabForm1;

namespace {

double Serial(int y, int m, int d, int h, int min) {
  return jovi::SerialFromCivil({y, m, d, h, min, 0, 0});
}

class HotlistSetup {
 public:
  HotlistSetup() {
    program_ = sandbox_.Root().Path().string() + "/program/";
    std::filesystem::create_directories(program_);
    jovi::SetProgramDir(program_);
    options.LoginRequired = false;
    options.RoemerHelpList.clear();  // no help lists in this program folder
    std::ofstream file(program_ + "HotDates.htl", std::ios::binary);
    for (const jovi::HotlistEntry& e :
         {jovi::HotlistEntry{Serial(2024, 12, 7, 0, 0), "Opposition of Jupiter"},
          jovi::HotlistEntry{Serial(2023, 11, 3, 5, 30), "Io in eclipse"},
          jovi::HotlistEntry{Serial(2026, 1, 10, 21, 45), "Another opposition"}}) {
      const auto record = jovi::EncodeHotlistEntry(e);
      file.write(reinterpret_cast<const char*>(record.data()), 64);
    }
  }
  ~HotlistSetup() { jovi::SetProgramDir(""); }

  // Logs in and opens the date dialog of Run, which stays open behind the hotlist.
  std::unique_ptr<TSatLabForm1> OpenDateDialog() {
    auto form = jovi::test::OpenMainWindow(program_, options, {QStringLiteral("ROEMER")});
    if (!form) return nullptr;
    form->findChild<QAction*>(QStringLiteral("LogIn1"))->trigger();
    form->findChild<QAction*>(QStringLiteral("Run1"))->trigger();
    return form;
  }

  std::string Data() const { return sandbox_.WorkFolder(); }

  jovi::OptsRec options;
  jovi::test::ScopedProgramPrompter prompts;

 private:
  jovi::test::HomeSandbox sandbox_;
  std::string program_;
};

}  // namespace

class HotlistTest : public QObject {
  Q_OBJECT

 private slots:
  void aChosenDateFillsTheDateDialog() {
    HotlistSetup setup;
    setup.options.EditMode = true;
    auto form = setup.OpenDateDialog();
    QVERIFY(form);
    auto* dialog = form->findChild<jovi::TUTTimeDlg*>();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!dialog->SaveUpdatedHotList1->isEnabled());

    QStringList lines;
    jovi::test::OnNextModal<jovi::THotListForm1>([&lines](jovi::THotListForm1* list) {
      for (int i = 0; i < list->ListBox1->count(); ++i) lines << list->ListBox1->item(i)->text();
      QCOMPARE(list->windowTitle(), QStringLiteral("Select Date/Time for Observation"));
      jovi::test::SaveScreenshot(*list, "hotlist_window");
      QCOMPARE(list->ListBox1->currentRow(), 0);  // the line chosen last, the first at first
      list->ListBox1->clearSelection();
      list->ChooseSelection1->trigger();  // nothing highlighted: a message, and it stays
      QVERIFY(list->isVisible());
      list->ListBox1->setCurrentRow(1);
      list->ChooseSelection1->trigger();
    });
    dialog->SelectDateTimeFromHotList1->trigger();
    QCOMPARE(lines, (QStringList{"2023/11/03 05:30:00  Io in eclipse",
                                 "2024/12/07 00:00:00  Opposition of Jupiter",
                                 "2026/01/10 21:45:00  Another opposition"}));
    QCOMPARE(setup.prompts.prompter.messages.size(), std::size_t{1});
    QCOMPARE(setup.prompts.prompter.messages[0].caption, std::string("No Selection!"));
    QCOMPARE(dialog->DateEd->text(), QStringLiteral("2024/12/07"));
    QCOMPARE(dialog->TimeEd->text(), QStringLiteral("00:00:00"));
    QCOMPARE(dialog->CmntEd->text(), QStringLiteral("Opposition of Jupiter"));
    QVERIFY(!form->Help().HotlistUnsaved());
  }

  void anEntryIsEditedInTheSecondDateDialogAndTheEditUndone() {
    HotlistSetup setup;
    setup.options.EditMode = true;
    auto form = setup.OpenDateDialog();
    QVERIFY(form);
    auto* dialog = form->findChild<jovi::TUTTimeDlg*>();
    QStringList after_edit;
    QStringList after_undo;
    jovi::test::OnNextModal<jovi::THotListForm1>([&](jovi::THotListForm1* list) {
      jovi::test::OnNextModal<jovi::TUTTimeDlg>([](jovi::TUTTimeDlg* edit) {
        QCOMPARE(edit->windowTitle(), QStringLiteral("Edit Date/Time"));
        QVERIFY(!edit->Menu->isVisible());
        QCOMPARE(edit->DateEd->text(), QStringLiteral("2023/11/03"));
        QCOMPARE(edit->TimeEd->text(), QStringLiteral("05:30:00"));
        edit->DateEd->setText(QStringLiteral("2030/01/02"));
        edit->TimeEd->setText(QStringLiteral("03:04:05"));
        edit->CmntEd->setText(QStringLiteral("moved"));
        QTest::mouseClick(edit->OKBtn, Qt::LeftButton);
      });
      list->ListBox1->setCurrentRow(0);
      list->EditSelection1->trigger();
      after_edit << list->ListBox1->item(0)->text();
      QVERIFY(list->UndoEditDelete1->isEnabled());
      list->UndoEditDelete1->trigger();
      after_undo << list->ListBox1->item(0)->text();
      QVERIFY(!list->UndoEditDelete1->isEnabled());
      list->Close1->trigger();
    });
    dialog->SelectDateTimeFromHotList1->trigger();
    QCOMPARE(after_edit, QStringList{"2030/01/02 03:04:05  moved"});
    QCOMPARE(after_undo, QStringList{"2023/11/03 05:30:00  Io in eclipse"});
    QVERIFY(form->Help().HotlistUnsaved());  // undo does not make the list saved
    QVERIFY(dialog->SaveUpdatedHotList1->isEnabled());
  }

  void aDatePutOnTheListIsSavedAtTheQuitQuestion() {
    HotlistSetup setup;
    auto form = setup.OpenDateDialog();
    QVERIFY(form);
    auto* dialog = form->findChild<jovi::TUTTimeDlg*>();
    dialog->DateEd->setText(QStringLiteral("2025/02/03"));
    dialog->TimeEd->setText(QStringLiteral("04:05:06"));
    dialog->PutDateTimeonHotList1->trigger();
    QVERIFY(form->Help().HotlistUnsaved());
    QVERIFY(dialog->SaveUpdatedHotList1->isEnabled());
    jovi::THotListForm1* list = form->Help().HotlistWindow();
    QVERIFY(list);
    const std::string own = setup.Data() + "Users/DEMO/HotDates.htl";
    std::string proposed;
    list->ChooseSavePath = [&proposed](const std::string& path) {
      proposed = path;
      return path;
    };

    // Without edit mode the lines show no comments.
    QStringList lines;
    jovi::test::OnNextModal<jovi::THotListForm1>([&lines](jovi::THotListForm1* shown) {
      for (int i = 0; i < shown->ListBox1->count(); ++i) lines << shown->ListBox1->item(i)->text();
      shown->Close1->trigger();
    });
    dialog->SelectDateTimeFromHotList1->trigger();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[2], QStringLiteral("2025/02/03 04:05:06"));

    dialog->reject();
    setup.prompts.prompter.messages.clear();
    setup.prompts.prompter.answers = {jovi::Answer::Yes};  // save the hotlist
    form->Session().Run();
    QVERIFY(form->Session().CloseQuery(*form));
    QCOMPARE(setup.prompts.prompter.messages.at(0).caption, std::string("Hotlist Updated!"));
    QCOMPARE(proposed, own);
    QCOMPARE(std::filesystem::file_size(own), std::uintmax_t{4 * 64});
    QVERIFY(!form->Help().HotlistUnsaved());
  }
};

int main(int argc, char** argv) {
  jovi::JoviApplication app(argc, argv);
  HotlistTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "hotlist_test.moc"
