#include "session/ui/record_event_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "util/prompter.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

QLineEdit* ReadOnlyField(QWidget* parent, int x, int y, int w) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(true);
  edit->setGeometry(x, y, w, 22);
  return edit;
}

QLabel* Caption(const QString& text, QWidget* parent, int x, int y, int w) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, w, 18);
  return label;
}

}  // namespace

TRecordEventForm1::TRecordEventForm1(EventList& events, Prompter& prompter, QWidget* parent)
    : QDialog(parent), events_(events), prompter_(prompter) {
  setObjectName(QStringLiteral("TRecordEventForm1"));
  setWindowTitle(QStringLiteral("Record Event Date/Time"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  setFixedSize(258, 225);

  GroupBox1 = new QGroupBox(QStringLiteral("Observation Data"), this);
  GroupBox1->setGeometry(6, 4, 246, 140);
  Caption(QStringLiteral("Julian Date:"), GroupBox1, 8, 20, 100);
  JDEd = ReadOnlyField(GroupBox1, 112, 18, 126);
  Caption(QStringLiteral("Universal Time (UTC) "), GroupBox1, 8, 44, 230);
  DateEd = ReadOnlyField(GroupBox1, 8, 62, 110);
  TimeEd = ReadOnlyField(GroupBox1, 128, 62, 110);
  Caption(QStringLiteral("Jupiter-Earth Distance:"), GroupBox1, 8, 88, 230);
  AUEd = ReadOnlyField(GroupBox1, 8, 108, 82);
  Caption(QStringLiteral("AU"), GroupBox1, 92, 110, 24);
  KmEd = ReadOnlyField(GroupBox1, 118, 108, 94);
  Caption(QStringLiteral("Km"), GroupBox1, 214, 110, 26);

  Caption(QStringLiteral("Event:"), this, 8, 150, 60);
  EventBox = new QComboBox(this);
  EventBox->setEditable(true);
  EventBox->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& choice : EventChoices()) EventBox->addItem(ToQt(choice));
  EventBox->setGeometry(8, 168, 242, 24);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setGeometry(40, 196, 80, 26);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setGeometry(138, 196, 80, 26);
  connect(OKBtn, &QPushButton::clicked, this, &TRecordEventForm1::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TRecordEventForm1::PrepareFor(const DateTimeRec& observation_time) {
  record_ = MakeEventRecord(observation_time);
  const EventDialogFields fields = DialogFields(observation_time, record_);
  JDEd->setText(ToQt(fields.JulianDate));
  DateEd->setText(ToQt(fields.Date));
  TimeEd->setText(ToQt(fields.Time));
  AUEd->setText(ToQt(fields.AU));
  KmEd->setText(ToQt(fields.Km));
}

bool TRecordEventForm1::RecordEvent(const DateTimeRec& observation_time) {
  PrepareFor(observation_time);
  return exec() == QDialog::Accepted;
}

void TRecordEventForm1::OKBtnClick() {
  AppendEvent(events_, record_, FromQt(EventBox->currentText()));
  if (saved_) saved_(*events_.Current());
  prompter_.Tell(EventSavedText(), kEventSavedCaption, Icon::Information);
  accept();
}

}  // namespace jovi
