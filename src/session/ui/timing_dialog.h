// TTimingDlgForm1, "Timing Intervals": the observation step, the animation step and the
// animation timer.
#pragma once

#include <QDialog>

#include "config/options_record.h"
#include "session/session_settings.h"

class QLineEdit;
class QPushButton;

namespace jovi {

class TTimingDlgForm1 : public QDialog {
  Q_OBJECT

 public:
  TTimingDlgForm1(TimingSettings& timing, const OptsRec& options, QWidget* parent = nullptr);

  QLineEdit* IntervalEd;
  QLineEdit* StepEd;
  QLineEdit* TimrEd;
  QPushButton* DfltBtn;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  void OKBtnClick();

  TimingSettings& timing_;
  const OptsRec& options_;
};

}  // namespace jovi
