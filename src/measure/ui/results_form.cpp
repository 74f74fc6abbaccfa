#include "measure/ui/results_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "util/ui/qt_text.h"

namespace jovi {

namespace {

constexpr std::array<const char*, 4> kFieldNames{"IOEd", "EuropaEd", "GanymedeEd", "CallistoEd"};

}  // namespace

TResultsForm1::TResultsForm1(MeasurementStore& store, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      store_(store),
      prompter_(prompter) {
  setObjectName(QStringLiteral("ResultsForm1"));
  setWindowTitle(QString::fromLatin1(kResultsCaption));
  JDLbl = new QLabel(this);
  JDLbl->setObjectName(QStringLiteral("JDLbl"));
  DTLbl = new QLabel(this);
  DTLbl->setObjectName(QStringLiteral("DTLbl"));
  InfoLbl = new QLabel(QString::fromLatin1(kResultsHint), this);
  InfoLbl->setObjectName(QStringLiteral("InfoLbl"));
  InfoLbl->setWordWrap(true);

  auto* fields = new QGridLayout;
  for (std::size_t m = 0; m < Fields.size(); ++m) {
    auto* label = new QLabel(QString::fromLatin1(kResultsFieldLabels[m]), this);
    Fields[m] = new QLineEdit(this);
    Fields[m]->setObjectName(QString::fromLatin1(kFieldNames[m]));
    Fields[m]->setMaximumWidth(110);
    label->setBuddy(Fields[m]);
    fields->addWidget(label, static_cast<int>(m), 0, Qt::AlignRight);
    fields->addWidget(Fields[m], static_cast<int>(m), 1);
  }

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(JDLbl);
  layout->addWidget(DTLbl);
  layout->addLayout(fields);
  layout->addWidget(InfoLbl);
  layout->addLayout(buttons);
  setFixedWidth(260);

  connect(OKBtn, &QPushButton::clicked, this, &TResultsForm1::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TResultsForm1::CancelBtnClick);
}

void TResultsForm1::ShowPending() {
  const MeasurementRecord& p = store_.pending;
  JDLbl->setText(ToQt(ResultsJDText(p.JulianDay)));
  DTLbl->setText(ToQt(ResultsDateTimeText(p.JulianDay)));
  for (std::size_t m = 0; m < Fields.size(); ++m) {
    Fields[m]->setText(ToQt(ResultsFieldText(p.Offset[m], p.Included[m])));
  }
}

void TResultsForm1::showEvent(QShowEvent* event) {
  ShowPending();
  QDialog::showEvent(event);
}

void TResultsForm1::ShowNonModal() {
  entry_.Modal = false;
  if (isVisible()) ShowPending();  // a visible dialog gets no new show event
  show();
  raise();
  activateWindow();
}

bool TResultsForm1::EditModally() {
  entry_.Editing = true;
  entry_.Modal = true;
  const bool was_open = isVisible();
  if (was_open) hide();
  const bool accepted = exec() == QDialog::Accepted && !entry_.InputError;
  entry_.Editing = false;
  entry_.Modal = false;
  return accepted;
}

void TResultsForm1::OKBtnClick() {
  std::array<std::string, 4> texts;
  for (std::size_t m = 0; m < Fields.size(); ++m) texts[m] = FromQt(Fields[m]->text());
  if (!TakeResultsFields(store_, entry_, texts, prompter_)) return;  // the dialog stays open
  if (entry_.Modal) {
    accept();
  } else {
    hide();
  }
}

void TResultsForm1::CancelBtnClick() {
  if (entry_.Modal) {
    reject();
  } else {
    hide();
  }
}

}  // namespace jovi
