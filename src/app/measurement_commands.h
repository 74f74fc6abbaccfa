// MeasurementCommands: the Data menu (load, the two saves, review, analyze) and the telescope's
// pop-up save menu, over the measurement table, the results dialog, the review window and the
// analysis window. Before Save, Review and Analyze the pending measurement is committed.
#pragma once

#include <functional>
#include <memory>

#include "measure/measurement_file_commands.h"

namespace jovi {

class RsltsListForm1;
class TOrbAnalForm1;
class TSatLabForm1;

class MeasurementCommands {
 public:
  explicit MeasurementCommands(TSatLabForm1& form);
  ~MeasurementCommands();
  MeasurementCommands(const MeasurementCommands&) = delete;
  MeasurementCommands& operator=(const MeasurementCommands&) = delete;

  void Load1Click();
  void SaveClick(MeasurementFormat format);  // BinaryFormat1/2, CSVFormat1/2
  void ReviewData1Click();
  void AnalyzeData1Click();

  // The commit point of Save, Review and Analyze: the results dialog's OK when it is open,
  // then the commit of a confirmed measurement and a fresh pending record.
  void CommitAndClearPending();

  // The window's Help asks for the analysis help topics; set by the help commands.
  std::function<void()> AnalysisHelpRequested = [] {};

  // For tests: the file dialogs to use instead of Qt's (nullptr: Qt's again).
  void SetFileDialogs(FileDialogs* dialogs) { test_dialogs_ = dialogs; }
  MeasurementFileCommands& Files() { return *files_; }
  // Qt's file dialogs, or the test's.
  FileDialogs& Dialogs() { return dialogs_; }
  RsltsListForm1* ReviewWindow() { return review_; }
  TOrbAnalForm1& AnalysisWindow() { return *analysis_; }

 private:
  void AfterTableChange();

  TSatLabForm1& form_;
  struct ChosenDialogs final : FileDialogs {
    MeasurementCommands* commands;
    std::optional<std::string> SavePath(const FileDialogRequest& r) override;
    std::optional<std::string> OpenPath(const FileDialogRequest& r) override;
  } dialogs_;
  std::unique_ptr<FileDialogs> qt_dialogs_;
  FileDialogs* test_dialogs_ = nullptr;
  std::unique_ptr<MeasurementFileCommands> files_;
  TOrbAnalForm1* analysis_ = nullptr;
  RsltsListForm1* review_ = nullptr;
};

}  // namespace jovi
