// TPlotParmsDlg, "Set Data Span for Plot": the moon's data span, and the plot's start and
// width to choose.
#pragma once

#include <QDialog>

#include "analysis/analysis_dialogs.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace jovi {

class OrbitAnalysis;

class TPlotParmsDlg : public QDialog {
  Q_OBJECT

 public:
  TPlotParmsDlg(OrbitAnalysis& analysis, QWidget* parent = nullptr);

  // Fills the fields from the selected moon's plot state.
  void Load();

  QLabel* StartLbl;
  QLabel* EndLbl;
  QLabel* DaysLbl;
  QLineEdit* StartEd;
  QButtonGroup* DaysGrp;

 private:
  void OKBtnClick();
  OrbitAnalysis& analysis_;
};

}  // namespace jovi
