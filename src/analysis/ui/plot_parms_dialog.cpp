#include "analysis/ui/plot_parms_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/orbit_analysis.h"
#include "util/ui/qt_text.h"

namespace jovi {

TPlotParmsDlg::TPlotParmsDlg(OrbitAnalysis& analysis, QWidget* parent)
    : QDialog(parent), analysis_(analysis) {
  setWindowTitle(QStringLiteral("Set Data Span for Plot"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(390, 250);

  auto* data = new QGroupBox(QStringLiteral("Available Data"), this);
  data->setGeometry(10, 8, 256, 100);
  const QString captions[] = {QStringLiteral("Data Start (JD):"), QStringLiteral("Data End (JD):"),
                              QStringLiteral("# of Days:")};
  QLabel** values[] = {&StartLbl, &EndLbl, &DaysLbl};
  for (int i = 0; i < 3; ++i) {
    auto* caption = new QLabel(captions[i], data);
    caption->setGeometry(8, 22 + 24 * i, 106, 20);
    *values[i] = new QLabel(data);
    (*values[i])->setGeometry(116, 22 + 24 * i, 132, 20);
  }

  auto* prompt = new QLabel(QStringLiteral("Enter last 3 digits of start date for plot:"), this);
  prompt->setGeometry(10, 118, 260, 20);
  auto* range = new QLabel(QStringLiteral("(Whole #, 0-999):"), this);
  range->setGeometry(10, 140, 120, 20);
  StartEd = new QLineEdit(this);
  StartEd->setMaxLength(3);
  StartEd->setGeometry(130, 138, 60, 24);

  auto* days = new QGroupBox(QStringLiteral("# of Days to Plot"), this);
  days->setGeometry(280, 8, 100, 160);
  auto* days_layout = new QVBoxLayout(days);
  DaysGrp = new QButtonGroup(this);
  for (int i = 0; i < 5; ++i) {
    auto* item = new QRadioButton(QString::number(10 * (i + 1)) + QStringLiteral(" Days"), days);
    DaysGrp->addButton(item, i);
    days_layout->addWidget(item);
  }

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setGeometry(190, 205, 90, 30);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setGeometry(290, 205, 90, 30);
  connect(ok, &QPushButton::clicked, this, &TPlotParmsDlg::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPlotParmsDlg::Load() {
  const DataSpanTexts t = analysis_.DataSpanDialog();
  StartLbl->setText(ToQt(t.DataStart));
  EndLbl->setText(ToQt(t.DataEnd));
  DaysLbl->setText(ToQt(t.DayCount));
  StartEd->setText(ToQt(t.Start));
  if (auto* b = DaysGrp->button(t.DaysIndex)) b->setChecked(true);
}

void TPlotParmsDlg::OKBtnClick() {
  if (analysis_.AcceptDataSpan(FromQt(StartEd->text()), DaysGrp->checkedId())) accept();
}

}  // namespace jovi
