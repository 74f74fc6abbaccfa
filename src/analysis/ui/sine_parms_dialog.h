// TSineParmsDlg, "Sine Curve Parameters": the starting T-zero, period and amplitude.
// Not modal: it stays on top of the analysis window while the student reads the plot.
#pragma once

#include <QDialog>

#include "analysis/analysis_dialogs.h"

class QLineEdit;

namespace jovi {

class TSineParmsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TSineParmsDlg(QWidget* parent = nullptr);

  void Load(const SineParameterTexts& texts);
  SineParameterTexts Texts() const;

  QLineEdit* TZeroEd;
  QLineEdit* PeriodEd;
  QLineEdit* AmplitudeEd;

  // Cancel and the close box both hide the dialog and say so.
  void reject() override;

 signals:
  void OkPressed();
  void Cancelled();
};

}  // namespace jovi
