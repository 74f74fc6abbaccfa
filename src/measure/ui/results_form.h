// TResultsForm1, "Record/Edit Measurements": the small stay-on-top dialog that holds the pending
// measurement. The telescope's Record shows it without blocking; the review window's Edit shows
// it modally over a copy of a table record. Every rule is results_entry's.
#pragma once

#include <QDialog>

#include <array>

#include "measure/results_entry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace jovi {

class TResultsForm1 : public QDialog {
  Q_OBJECT

 public:
  TResultsForm1(MeasurementStore& store, Prompter& prompter, QWidget* parent = nullptr);

  // Record: shows the pending record and lets the student go on observing.
  void ShowNonModal();
  // Edit in the review window: the pending record holds the table record. True when the
  // dialog closed with OK and every value was valid.
  bool EditModally();
  // OK, also run by Next, Save, Review and Analyze while the dialog is open: takes the typed
  // values. A non-modal dialog closes itself when they are all valid.
  void OKBtnClick();
  void CancelBtnClick();

  // The labels and fields again from the pending record (on every activation).
  void ShowPending();

  ResultsEntry& Entry() { return entry_; }

  QLabel* JDLbl;
  QLabel* DTLbl;
  QLabel* InfoLbl;
  std::array<QLineEdit*, 4> Fields{};  // IOEd, EuropaEd, GanymedeEd, CallistoEd
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  MeasurementStore& store_;
  Prompter& prompter_;
  ResultsEntry entry_;
};

}  // namespace jovi
