#include "session/ui/pending_measurement_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace jovi {

PendingMeasurementView::PendingMeasurementView(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("ResultsForm1"));
  setWindowTitle(QStringLiteral("Record/Edit Measurements"));
  Values = new QLabel(this);
  Values->setObjectName(QStringLiteral("Values"));
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Values);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);
  connect(OKBtn, &QPushButton::clicked, this, &PendingMeasurementView::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::hide);
}

void PendingMeasurementView::ShowRecord(const MeasurementRecord& record) {
  static const char* const kNames[] = {"Io (1):", "Europa (2):", "Ganymede (3):", "Callisto (4):"};
  QString text = QStringLiteral("Julian Day: %1\n").arg(static_cast<double>(record.JulianDay), 0, 'f', 5);
  for (std::size_t i = 0; i < record.Offset.size(); ++i) {
    const float v = record.Offset[i];
    QString value;
    if (v != kNoMeasurement) {
      value = QString::number(std::fabs(static_cast<double>(v)), 'f', 2) +
              (v >= 0 ? QStringLiteral("W") : QStringLiteral("E"));
    }
    if (!record.Included[i]) value += QStringLiteral("*");
    text += QStringLiteral("\n%1 %2").arg(QString::fromLatin1(kNames[i]), value);
  }
  Values->setText(text);
  show();
  raise();
}

void PendingMeasurementView::OKBtnClick() {
  if (confirm_) confirm_();
  hide();
}

}  // namespace jovi
