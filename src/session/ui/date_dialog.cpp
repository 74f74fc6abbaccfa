#include "session/ui/date_dialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "util/real.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {
QLabel* Caption(const char* text, QWidget* parent) {
  return new QLabel(QString::fromUtf8(text), parent);
}
}  // namespace

TUTTimeDlg::TUTTimeDlg(DateEntry& entry, Prompter& prompter, QWidget* parent)
    : QDialog(parent), entry_(entry), prompter_(prompter) {
  setObjectName(QStringLiteral("UTTimeDlg"));
  setWindowTitle(QStringLiteral("Set Date/Time"));
  Menu = new QMenuBar(this);
  QMenu* hotlist = Menu->addMenu(QStringLiteral("&Hotlist"));
  hotlist->menuAction()->setObjectName(QStringLiteral("Hotlist1"));
  SelectDateTimeFromHotList1 = hotlist->addAction(QStringLiteral("&Access Hotlist..."));
  SelectDateTimeFromHotList1->setObjectName(QStringLiteral("SelectDateTimeFromHotList1"));
  PutDateTimeonHotList1 = hotlist->addAction(QStringLiteral("&Put Date/Time on Hotlist..."));
  PutDateTimeonHotList1->setObjectName(QStringLiteral("PutDateTimeonHotList1"));
  SaveUpdatedHotList1 = hotlist->addAction(QStringLiteral("&Save Updated Hotlist..."));
  SaveUpdatedHotList1->setObjectName(QStringLiteral("SaveUpdatedHotList1"));
  SaveUpdatedHotList1->setEnabled(false);

  auto* box = new QGroupBox(QStringLiteral("Observation Date"), this);
  auto* format = new QGroupBox(QStringLiteral("Date/Time Format"), box);
  format->setObjectName(QStringLiteral("DateFrmtGrp"));
  CalendarFormat = new QRadioButton(QStringLiteral("Calendar (&YMD-HMS)"), format);
  JulianFormat = new QRadioButton(QStringLiteral("&Julian Date "), format);
  auto* group = new QButtonGroup(this);
  group->addButton(CalendarFormat, 0);
  group->addButton(JulianFormat, 1);
  auto* format_layout = new QVBoxLayout(format);
  format_layout->addWidget(CalendarFormat);
  format_layout->addWidget(JulianFormat);

  DateEd = new QLineEdit(box);
  DateEd->setObjectName(QStringLiteral("DateEd"));
  DateEd->setToolTip(QStringLiteral("Enter full (4 digit) year"));
  TimeEd = new QLineEdit(box);
  TimeEd->setObjectName(QStringLiteral("TimeEd"));
  TimeEd->setToolTip(QStringLiteral("Use 24 hr format."));
  JDEd = new QLineEdit(box);
  JDEd->setObjectName(QStringLiteral("JDEd"));
  JDEd->setMaxLength(static_cast<int>(kJulianDateLength));
  auto* fields = new QGridLayout(box);
  fields->addWidget(format, 0, 0, 3, 1);
  fields->addWidget(Caption("YYYY/MM/DD", box), 0, 1);
  fields->addWidget(Caption("HH:MM:SS", box), 0, 2);
  fields->addWidget(DateEd, 1, 1);
  fields->addWidget(TimeEd, 1, 2);
  fields->addWidget(Caption("Universal Time (UTC) ", box), 1, 3);
  fields->addWidget(Caption("Julian Date:", box), 2, 1);
  fields->addWidget(JDEd, 2, 2);

  CmntEd = new QLineEdit(this);
  CmntEd->setObjectName(QStringLiteral("CmntEd"));
  CmntEd->setMaxLength(static_cast<int>(kCommentLength));
  comment_label_ = Caption("Comment: ", this);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

  auto* layout = new QGridLayout(this);
  layout->setMenuBar(Menu);
  layout->addWidget(box, 0, 0, 1, 4);
  layout->addWidget(comment_label_, 1, 0);
  layout->addWidget(CmntEd, 1, 1);
  layout->addWidget(OKBtn, 1, 2);
  layout->addWidget(CancelBtn, 1, 3);
  setMinimumSize(412, 147);

  connect(group, &QButtonGroup::idClicked, this, &TUTTimeDlg::ChooseFormat);
  connect(OKBtn, &QPushButton::clicked, this, &TUTTimeDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  DateEd->installEventFilter(this);
  JDEd->installEventFilter(this);
}

void TUTTimeDlg::Prepare(bool edit_mode) {
  const Real jd = ToJD(entry_.Time);
  const CalendarText shown = CalendarTextOf(jd);
  DateEd->setText(ToQt(shown.Date));
  TimeEd->setText(ToQt(shown.Time));
  JDEd->setText(ToQt(JulianDateText(jd)));
  (entry_.Format == 1 ? JulianFormat : CalendarFormat)->setChecked(true);
  ChooseFormat(entry_.Format);
  CmntEd->setVisible(edit_mode);
  comment_label_->setVisible(edit_mode);
  if (edit_mode) CmntEd->setText(ToQt(entry_.Comment));
}

void TUTTimeDlg::ChooseFormat(int format) {
  const bool calendar = format == 0;
  DateEd->setEnabled(calendar);
  TimeEd->setEnabled(calendar);
  JDEd->setEnabled(!calendar);
  QLineEdit* focus = calendar ? DateEd : JDEd;
  focus->setFocus();
  focus->selectAll();
}

bool TUTTimeDlg::eventFilter(QObject* watched, QEvent* event) {
  // Leaving a field converts it, but not when the dialog itself is going away.
  if (event->type() == QEvent::FocusOut && isVisible() && !CancelBtn->underMouse()) {
    if (watched == DateEd && DateEd->isEnabled()) DateEdExit();
    if (watched == JDEd && JDEd->isEnabled()) JDEdExit();
  }
  return QDialog::eventFilter(watched, event);
}

void TUTTimeDlg::DateEdExit() {
  if (DateEd->text().isEmpty()) return;
  const std::string date = FromQt(DateEd->text());
  const std::string time = FromQt(TimeEd->text());
  const auto jd = ParseCalendarUT(date, time);
  if (!jd) {
    prompter_.Tell(CalendarErrorText(date, time), kCalendarErrorCaption, Icon::Stop);
    return;
  }
  JDEd->setText(ToQt(JulianDateText(*jd)));
}

void TUTTimeDlg::JDEdExit() {
  if (JDEd->text().isEmpty()) return;
  const std::string text = FromQt(JDEd->text());
  const auto jd = ParseJulianDate(text);
  if (!jd) {
    prompter_.Tell(JulianDateErrorText(text), kJulianDateErrorCaption, Icon::Stop);
    return;
  }
  const CalendarText shown = CalendarTextOf(*jd);
  DateEd->setText(ToQt(shown.Date));
  TimeEd->setText(ToQt(shown.Time));
}

bool TUTTimeDlg::ReadFields() {
  const std::uint8_t format = JulianFormat->isChecked() ? 1 : 0;
  const auto jd = format == 0 ? ParseCalendarUT(FromQt(DateEd->text()), FromQt(TimeEd->text()))
                              : ParseJulianDate(FromQt(JDEd->text()));
  entry_.Format = format;
  if (!jd) return false;  // the leave-field message has told what is wrong
  SetFromJD(entry_.Time, *jd);
  if (CmntEd->isVisible()) entry_.Comment = FromQt(CmntEd->text()).substr(0, kCommentLength);
  return true;
}

void TUTTimeDlg::OKBtnClick() {
  if (ReadFields()) accept();
}

}  // namespace jovi
