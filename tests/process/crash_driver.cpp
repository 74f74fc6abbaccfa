// The desktop program started as its main() starts it (application, message-box prompter, main
// window with the command line), then used by a student played with Qt Test events: log in,
// answer the questions, Run, measure (hold the button on a moon, Record, OK, Next), then end
// as the plan says. The crash-recovery test runs it as a child process and kills it.
//
// The plan comes in JOVI_DRIVER_PLAN ("key=value;..."), so that the command line stays the
// program's own:
//   student=<first name>    answer=yes|no|none (the "Recover Unsaved Work" question)
//   measure=<count>         jd=<first observation, UT Julian date>
//   pause=<n>               the n-th journal append of this run stops half written (2 s)
//   finish=wait|quit-discard|quit-save|stay
//   review=<steps>          after measuring, in the review window, each of edit|include|delete
//                           (comma-separated) on the first record
// It reports on stdout, one line each, flushed at once:
//   LOGGEDIN, TABLE <count>, ROW <journal line of a table record>, DATASAVED 0|1
//   QUESTION <caption>|<text>        every message box, before it is answered
//   BEGIN <k> <journal line>          the k-th measurement is about to be committed by Next
//   DONE <k>                          ... and Next has returned with it in the table
//   NOTTAKEN <k>                      ... Next did not take it (then measured again)
//   WRITING                           inside the paused journal append
//   REVIEWED <step>, NOW <journal line of a table record>..., NOWEND   after each review step
//   IDLE, END
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>

#include "app/jovi_application.h"
#include "app/measurement_commands.h"
#include "app/sat_lab_form.h"
#include "astro/satellite_scene.h"
#include "config/ui/login_dialog.h"
#include "journal/journal_file.h"
#include "journal/journal_format.h"
#include "measure/review_list.h"
#include "measure/ui/results_form.h"
#include "measure/ui/results_list_form.h"
#include "session/ui/date_dialog.h"
#include "session/ui/telescope_panel.h"
#include "session/ui/telescope_view.h"
#include "support/scripted_file_dialogs.h"
#include "util/ui/message_box_prompter.h"

namespace {

using jovi::TSatLabForm1;

std::map<std::string, std::string> Plan() {
  std::map<std::string, std::string> plan = {
      {"student", "Ada Lovelace"}, {"answer", "yes"}, {"measure", "0"},
      {"jd", "2455197.5"},         {"pause", "0"},    {"finish", "wait"},
      {"review", ""}};
  const char* text = std::getenv("JOVI_DRIVER_PLAN");
  std::string s = text ? text : "";
  std::size_t start = 0;
  while (start < s.size()) {
    std::size_t end = s.find(';', start);
    if (end == std::string::npos) end = s.size();
    const std::string item = s.substr(start, end - start);
    const std::size_t eq = item.find('=');
    if (eq != std::string::npos) plan[item.substr(0, eq)] = item.substr(eq + 1);
    start = end + 1;
  }
  return plan;
}

void Say(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

// A journal line without its checksum and line feed: the record's exact text.
std::string Exact(const jovi::MeasurementRecord& r) {
  const std::string line = jovi::MeasurementLine(r);
  return line.substr(0, line.size() - 10);
}

std::string OneLine(QString text) {
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"))
      .replace(QChar('\n'), QStringLiteral("\\n"))
      .toStdString();
}

class Driver : public QObject {
 public:
  Driver(TSatLabForm1& form, std::map<std::string, std::string> plan)
      : form_(form), plan_(std::move(plan)) {
    form_.Measurements().SetFileDialogs(&dialogs_);
    dialogs_.answers = {form_.Session().Options().DataDir + "saved.DAT"};
    // Answers the modal windows the program opens, whatever is running at the moment.
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] { AnswerModal(); });
    poll->start(5);
  }

  void Start() {
    QTimer::singleShot(0, this, [this] { Run(); });
  }

 private:
  QAction* Item(const char* name) { return form_.findChild<QAction*>(QString::fromLatin1(name)); }

  // Clicked once the poll has returned: a timer's slot does not run again while it runs, and
  // the click may open the next modal window.
  void Click(QAbstractButton* button) {
    QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
  }

  void AnswerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal->property("driver_answered").toBool()) return;
    modal->setProperty("driver_answered", true);
    if (auto* login = qobject_cast<jovi::TLoginDlg*>(modal)) {
      login->Stud1->setText(QString::fromStdString(plan_["student"]));
      login->LabTbl->setText(QStringLiteral("7"));
      Click(login->OKBtn);
    } else if (auto* date = qobject_cast<jovi::TUTTimeDlg*>(modal)) {
      date->JulianFormat->click();
      date->JDEd->setText(QString::fromStdString(plan_["jd"]));
      Click(date->OKBtn);
    } else if (auto* results = qobject_cast<jovi::TResultsForm1*>(modal)) {
      // The review's edit: the first value given changes, or is left out of the analysis.
      for (QLineEdit* field : results->Fields) {
        if (field->text().trimmed().isEmpty()) continue;
        field->setText(review_step_ == "include" ? field->text().trimmed() + QChar('*')
                                                 : QStringLiteral("1.23W"));
        break;
      }
      Click(results->OKBtn);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      const std::string caption = box->windowTitle().toStdString();
      Say("QUESTION " + caption + "|" + OneLine(box->text()));
      // "Login Completed?" and the like: Yes, or OK.
      QMessageBox::StandardButton choice =
          box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
      if (caption == "Recover Unsaved Work") {
        const std::string& a = plan_["answer"];
        if (a == "none") return;  // left open: the program is killed meanwhile
        choice = a == "yes" ? QMessageBox::Yes : QMessageBox::No;
      } else if (caption == "Data Will Be Lost!") {
        choice = plan_["finish"] == "quit-save" ? QMessageBox::Yes : QMessageBox::No;
      }
      QAbstractButton* button = box->button(choice);
      if (!button) button = box->buttons().value(0);
      Click(button);
    }
  }

  void Run() {
    Item("LogIn1")->trigger();  // returns once the login and its questions are over
    Say("LOGGEDIN");
    const jovi::MeasurementStore& store = form_.Scope().Measurements();
    Say("TABLE " + std::to_string(store.table.Count()));
    store.table.ForEach([](const jovi::MeasurementRecord& r) { Say("ROW " + Exact(r)); });
    Say(std::string("DATASAVED ") + (store.DataSaved ? "1" : "0"));

    const int count = std::stoi(plan_["measure"]);
    const int pause = std::stoi(plan_["pause"]);
    if (count > 0 || plan_["finish"] != "stay") {
      Item("Run1")->trigger();
      if (!QTest::qWaitFor([this] { return form_.Scope().Started(); }, 5000)) Fail("no Run");
    }
    jovi::SetJournalAppendPauseForTesting([this, pause] {
      if (++appends_ != pause) return;
      Say("WRITING");
      std::this_thread::sleep_for(std::chrono::seconds(2));
    });
    for (int k = 1; k <= count; ++k) Measure(k);
    Review();

    const std::string& finish = plan_["finish"];
    if (finish == "quit-save") {
      Item("BinaryFormat1")->trigger();
      Say(std::string("DATASAVED ") + (store.DataSaved ? "1" : "0"));
    }
    if (finish == "quit-discard" || finish == "quit-save") {
      form_.close();
      if (form_.isVisible()) Fail("the window stayed open");
      Say("END");
      QCoreApplication::exit(0);
      return;
    }
    Say("IDLE");  // wait (or stay): until the test kills the program
  }

  // Hold the button on a moon, Record, OK in the results dialog, Next.
  void Measure(int k) {
    jovi::TelescopePanel& c = form_.Controls();
    for (int attempt = 0; attempt < 20; ++attempt) {
      const int moon = VisibleMoon();
      if (moon != 0) {
        const auto at = form_.Scope().Pixels()[static_cast<std::size_t>(moon - 1)];
        QTest::mousePress(c.Image1, Qt::LeftButton, {}, QPoint(at.X, at.Y));
        QTest::mouseRelease(c.Image1, Qt::LeftButton, {}, QPoint(at.X, at.Y));
        QTest::mouseClick(c.RecordBtn, Qt::LeftButton);
        jovi::TResultsForm1& results = form_.ResultsForm();
        if (results.isVisible()) {
          QTest::mouseClick(results.OKBtn, Qt::LeftButton);
          const jovi::MeasurementStore& store = form_.Scope().Measurements();
          if (!store.NothingPending) {
            const int before = store.table.Count();
            Say("BEGIN " + std::to_string(k) + " " + Exact(store.pending));
            QTest::mouseClick(c.NextBtn, Qt::LeftButton);
            // A reading of exactly 0 (a moon on the centre line) never joins the table.
            if (store.table.Count() > before) {
              Say("DONE " + std::to_string(k));
              return;
            }
            Say("NOTTAKEN " + std::to_string(k));
            continue;
          }
        }
      }
      QTest::mouseClick(c.NextBtn, Qt::LeftButton);  // no moon to measure here: the next night
    }
    Fail("no moon to measure");
  }

  // The review window's edit, include change or deletion of the first record, each reported
  // with the table it left.
  void Review() {
    std::string steps = plan_["review"];
    if (steps.empty()) return;
    Item("ReviewData1")->trigger();
    jovi::RsltsListForm1* review = form_.Measurements().ReviewWindow();
    if (!review || !review->isVisible()) Fail("no review window");
    steps += ',';
    for (std::size_t start = 0, end; (end = steps.find(',', start)) != std::string::npos;
         start = end + 1) {
      review_step_ = steps.substr(start, end - start);
      review->SelectLine(jovi::kReviewHeadingLines);
      (review_step_ == "delete" ? review->DeleteSelectedLine1 : review->EditSelectedLine1)
          ->trigger();
      form_.ResultsForm().setProperty("driver_answered", false);  // the next edit is answered
      Say("REVIEWED " + review_step_);
      form_.Scope().Measurements().table.ForEach(
          [](const jovi::MeasurementRecord& r) { Say("NOW " + Exact(r)); });
      Say("NOWEND");
    }
  }

  int VisibleMoon() {
    for (int m = 1; m <= 4; ++m) {
      const auto& at = form_.Scope().Pixels()[static_cast<std::size_t>(m - 1)];
      const auto& moon = jovi::ProgramScene().Satellite(m);
      if (at.X > 5 && at.X < 620 && at.Y > 5 && at.Y < 320 && !moon.Occulted && !moon.Eclipsed) {
        return m;
      }
    }
    return 0;
  }

  [[noreturn]] void Fail(const std::string& why) {
    Say("FAIL " + why);
    std::_Exit(3);
  }

  TSatLabForm1& form_;
  std::map<std::string, std::string> plan_;
  jovi::test::ScriptedFileDialogs dialogs_;
  int appends_ = 0;
  std::string review_step_;
};

}  // namespace

int main(int argc, char** argv) {
  // As the program's main(): the application, the message-box prompter, the main window.
  jovi::JoviApplication app(argc, argv);
  jovi::MessageBoxPrompter prompter;
  jovi::SetProgramPrompter(&prompter);
  int status = 1;
  {
    TSatLabForm1 form(QCoreApplication::arguments());
    if (form.Started()) {
      prompter.SetParent(&form);
      form.show();
      Driver driver(form, Plan());
      driver.Start();
      status = QApplication::exec();
    }
  }
  jovi::SetProgramPrompter(nullptr);
  return status;
}
