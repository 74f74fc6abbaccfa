// The main window in a sandbox, logged in and observing: a program folder holding the build's
// shipped files and an options file written from the test's options.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/sat_lab_form.h"
#include "astro/coefficient_file.h"
#include "astro/time_scales.h"
#include "config/options_file.h"
#include "platform/program_dir.h"
#include "session/ui/date_dialog.h"
#include "support/main_window_start.h"
#include "support/home_sandbox.h"
#include "support/modal_helpers.h"
#include "support/recording_prompter.h"

namespace jovi::test {

// The leap seconds and the planetary table built beside the test programs.
inline void UseBuiltEphemerides() {
  const std::string built = QCoreApplication::applicationDirPath().toStdString() + "/";
  SetLeapSecondFile(built + "Leap Seconds.txt");
  SetCoefficientFile(built + "Outer_Pl_Tbl.dat");
}

class ObservingWindow {
 public:
  ObservingWindow() {
    namespace fs = std::filesystem;
    program_ = sandbox_.Root().Path().string() + "/program/";
    fs::create_directories(program_);
    const fs::path built = QCoreApplication::applicationDirPath().toStdString();
    // Every shipped file beside the test programs (pictures, ephemerides, help lists and
    // texts), but not the programs themselves nor the options, which the test writes.
    for (const auto& entry : fs::directory_iterator(built)) {
      const std::string name = entry.path().filename().string();
      const bool program = entry.is_regular_file() &&
                           (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
      if (program || name == "JUP_OPTS.INI") continue;
      fs::create_symlink(entry.path(), program_ + name);
    }
    SetProgramDir(program_);
    options.LoginRequired = false;
    options.NewtonClouds = options.RoemerClouds = false;
  }
  ~ObservingWindow() { SetProgramDir(""); }
  ObservingWindow(const ObservingWindow&) = delete;
  ObservingWindow& operator=(const ObservingWindow&) = delete;

  // The window for the exercise `word` after login and Run, observing at the UT Julian date
  // `jd` (typed as six decimals); null when a step did not happen.
  std::unique_ptr<TSatLabForm1> Observe(const char* word, const QString& jd) {
    auto form = OpenMainWindow(program_, options, {QString::fromLatin1(word)});
    if (!form) return nullptr;
    form->findChild<QAction*>(QStringLiteral("LogIn1"))->trigger();
    OnNextModal<TUTTimeDlg>([jd](TUTTimeDlg* d) {
      d->JulianFormat->click();
      d->JDEd->setText(jd);
      QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    });
    form->findChild<QAction*>(QStringLiteral("Run1"))->trigger();
    if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; })) {
      return nullptr;
    }
    return form;
  }

  OptsRec options;
  ScopedProgramPrompter prompts;

 private:
  HomeSandbox sandbox_;
  std::string program_;
};

}  // namespace jovi::test
