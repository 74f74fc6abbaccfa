#include "session/ui/timing_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "session/timing_entry.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {
QLineEdit* Field(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  return field;
}
QPushButton* Push(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}
}  // namespace

TTimingDlgForm1::TTimingDlgForm1(TimingSettings& timing, const OptsRec& options, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), timing_(timing), options_(options) {
  setWindowTitle(QStringLiteral("Timing Intervals"));
  IntervalEd = Field("IntervalEd", this);
  StepEd = Field("StepEd", this);
  TimrEd = Field("TimrEd", this);
  DfltBtn = Push("DfltBtn", "&Defaults", this);
  OKBtn = Push("OKBtn", "OK", this);
  OKBtn->setDefault(true);
  CancelBtn = Push("CancelBtn", "Cancel", this);
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Observation Step (Hrs)"), IntervalEd);
  form->addRow(QStringLiteral("Animation Step (Hrs)"), StepEd);
  form->addRow(QStringLiteral("Animation Timer (MSec)"), TimrEd);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(DfltBtn);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  form->addRow(buttons);
  setMinimumSize(239, 139);

  auto show = [this](const TimingTexts& t) {
    IntervalEd->setText(ToQt(t.Interval));
    StepEd->setText(ToQt(t.Step));
    TimrEd->setText(ToQt(t.Timer));
  };
  show(TimingTextsOf(timing_));
  connect(DfltBtn, &QPushButton::clicked, this,
          [this, show] { show(DefaultTimingTexts(options_)); });
  connect(OKBtn, &QPushButton::clicked, this, &TTimingDlgForm1::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TTimingDlgForm1::OKBtnClick() {
  const TimingTexts texts{FromQt(IntervalEd->text()), FromQt(StepEd->text()),
                          FromQt(TimrEd->text())};
  if (ReadTimingTexts(texts, timing_)) accept();
}

}  // namespace jovi
