#include "almanac/ui/moon_events_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "almanac/moon_events_report.h"
#include "session/exercise_session.h"
#include "sky/ui/observing_site_dialog.h"
#include "sky/ui/site_settings.h"
#include "util/real.h"
#include "util/ui/qt_text.h"

namespace jovi {

TMoonEventsForm1::TMoonEventsForm1(ExerciseSession& session, TGetSrchStrDlg& search_dialog,
                                   QWidget* parent)
    : TInfoListForm1(session, search_dialog, parent) {
  setObjectName(QStringLiteral("TMoonEventsForm1"));
  setWindowTitle(QStringLiteral("Moon Events"));
  SetReportName("MoonEvents");

  // The Edit menu becomes the Event menu: Go To instead of the edit actions.
  HideItems({"EditSelectedLine1", "DeleteSelectedLine1", "N5", "UndoEditDelete1", "UndoSep"});
  Edit1->setTitle(QStringLiteral("&Event"));
  GoTo1 = Edit1->addAction(QStringLiteral("&Go To (a few minutes before)"));
  GoTo1->setObjectName(QStringLiteral("GoTo1"));
  connect(GoTo1, &QAction::triggered, this, [this] { GoToSelected(); });

  // The choices above the list.
  QWidget* list = takeCentralWidget();
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  panel_ = BuildPanel();
  layout->addWidget(panel_);
  layout->addWidget(list, 1);
  setCentralWidget(central);
}

QWidget* TMoonEventsForm1::BuildPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("ChoicePanel"));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(3);

  FromLabel = new QLabel(panel);
  FromLabel->setObjectName(QStringLiteral("FromLabel"));
  grid->addWidget(FromLabel, 0, 0, 1, 2);
  auto* span_row = new QHBoxLayout;
  auto* span_label = new QLabel(QStringLiteral("&Span:"), panel);
  SpanEd = new QSpinBox(panel);
  SpanEd->setObjectName(QStringLiteral("SpanEd"));
  SpanEd->setRange(kFewestAlmanacDays, kMostAlmanacDays);
  SpanEd->setValue(kDefaultAlmanacDays);
  SpanEd->setSuffix(QStringLiteral(" days"));
  SpanEd->setKeyboardTracking(false);
  span_label->setBuddy(SpanEd);
  span_row->addWidget(span_label);
  span_row->addWidget(SpanEd);
  span_row->addStretch(1);
  GoToBtn = new QPushButton(QStringLiteral("&Go To"), panel);
  GoToBtn->setObjectName(QStringLiteral("GoToBtn"));
  GoToBtn->setToolTip(QStringLiteral("Set the observation time a few minutes before the event"));
  span_row->addWidget(GoToBtn);
  grid->addLayout(span_row, 0, 2, 1, 4);

  grid->addWidget(new QLabel(QStringLiteral("Moons:"), panel), 1, 0);
  for (int moon = 1; moon <= 4; ++moon) {
    auto* box = new QCheckBox(
        ToQt(std::string(MoonNumeral(moon)) + " " + std::string(GalileanMoonName(moon))), panel);
    box->setObjectName(QStringLiteral("MoonBox%1").arg(moon));
    box->setChecked(true);
    grid->addWidget(box, 1, moon);
    MoonBox[static_cast<std::size_t>(moon - 1)] = box;
    connect(box, &QCheckBox::toggled, this, [this] { Relist(); });
  }
  HiddenBox = new QCheckBox(QStringLiteral("Show &hidden events"), panel);
  HiddenBox->setObjectName(QStringLiteral("HiddenBox"));
  HiddenBox->setToolTip(
      QStringLiteral("Also list the eclipse events behind the disc and the occultation events "
                     "in the shadow"));
  grid->addWidget(HiddenBox, 1, 5);
  connect(HiddenBox, &QCheckBox::toggled, this, [this] { Relist(); });

  grid->addWidget(new QLabel(QStringLiteral("Events:"), panel), 2, 0);
  int column = 1;
  for (const MoonEventKindInfo& info : MoonEventKinds()) {
    auto* box = new QCheckBox(ToQt(std::string(info.title)), panel);
    box->setObjectName(QStringLiteral("KindBox") + ToQt(std::string(info.code)));
    box->setChecked(true);
    grid->addWidget(box, 2, column++);
    KindBox.push_back(box);
    connect(box, &QCheckBox::toggled, this, [this] { Relist(); });
  }
  MutualBox = new QCheckBox(QStringLiteral("&Mutual events"), panel);
  MutualBox->setObjectName(QStringLiteral("MutualBox"));
  MutualBox->setToolTip(
      QStringLiteral("The moons occulting and eclipsing one another (the code 1O2P: Io occults "
                     "Europa, partial)"));
  grid->addWidget(MutualBox, 2, column);
  connect(MutualBox, &QCheckBox::toggled, this, [this](bool on) {
    if (on && !search_.mutual) Search();
    Relist();
  });
  grid->setColumnStretch(6, 1);
  grid->addLayout(BuildVisibilityRow(panel), 3, 0, 1, 7);

  connect(SpanEd, &QSpinBox::valueChanged, this, [this](int days) {
    SpanEd->setSuffix(days == 1 ? QStringLiteral(" day") : QStringLiteral(" days"));
    Search();
    Relist();
  });
  connect(GoToBtn, &QPushButton::clicked, this, [this] { GoToSelected(); });
  return panel;
}

QLayout* TMoonEventsForm1::BuildVisibilityRow(QWidget* panel) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  VisibleBox = new QCheckBox(panel);
  VisibleBox->setObjectName(QStringLiteral("VisibleBox"));
  VisibleBox->setToolTip(
      QStringLiteral("List only the events when Jupiter is high enough above your horizon in a "
                     "dark enough sky, each with Jupiter's altitude"));
  row->addWidget(VisibleBox);
  row->addSpacing(12);
  connect(VisibleBox, &QCheckBox::toggled, this, [this] { Relist(); });

  auto limit_field = [this, panel, row](const QString& label, const QString& name,
                                        Real value, const QString& after) {
    auto* text = new QLabel(label, panel);
    auto* field = new QLineEdit(ToQt(LimitText(value)), panel);
    field->setObjectName(name);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00.00")) + 12);
    text->setBuddy(field);
    row->addWidget(text);
    row->addWidget(field);
    row->addWidget(new QLabel(after, panel));
    row->addSpacing(4);
    connect(field, &QLineEdit::editingFinished, this, [this] { ReadLimits(); });
    return field;
  };
  MinAltEd = limit_field(QStringLiteral("&Jupiter at least"), QStringLiteral("MinAltEd"),
                         limits_.min_alt_deg, QStringLiteral("° high,"));
  SunBelowEd = limit_field(QStringLiteral("the S&un at least"), QStringLiteral("SunBelowEd"),
                           limits_.sun_below_deg, QStringLiteral("° down"));
  row->addStretch(1);
  SiteBtn = new QPushButton(QStringLiteral("&Observing Site..."), panel);
  SiteBtn->setObjectName(QStringLiteral("SiteBtn"));
  row->addWidget(SiteBtn);
  connect(SiteBtn, &QPushButton::clicked, this, [this] { EditSite(); });
  // A refused limit's reason, under the row while there is one.
  auto* rows = new QVBoxLayout;
  rows->setSpacing(2);
  rows->addLayout(row);
  LimitErrorLbl = new QLabel(panel);
  LimitErrorLbl->setObjectName(QStringLiteral("LimitErrorLbl"));
  LimitErrorLbl->setStyleSheet(QStringLiteral("color: #b00000"));
  LimitErrorLbl->hide();
  rows->addWidget(LimitErrorLbl);
  return rows;
}

void TMoonEventsForm1::RefreshSite() {
  place_ = LoadObservingSite();
  if (place_) {
    const std::string where = place_->name.empty() ? PlaceText(*place_) : place_->name;
    VisibleBox->setText(QStringLiteral("&Visible from ") + ToQt(where));
    VisibleBox->setEnabled(true);
  } else {
    VisibleBox->setChecked(false);
    VisibleBox->setText(QStringLiteral("&Visible from: no observing site set"));
    VisibleBox->setEnabled(false);
  }
  SiteBtn->setToolTip(place_ ? QStringLiteral("Change the observing site")
                             : QStringLiteral("Set the observing site to list the visible events"));
  JudgeEvents();
  Relist();
}

void TMoonEventsForm1::EditSite() {
  TObservingSiteDlg dialog(this);
  const bool had_place = place_.has_value();
  if (!dialog.Edit()) return;
  RefreshSite();
  if (!had_place && place_) VisibleBox->setChecked(true);  // what the dialog was opened for
}

void TMoonEventsForm1::ReadLimits() {
  LimitErrorLbl->setText(
      ToQt(ReadVisibilityLimits(FromQt(MinAltEd->text()), FromQt(SunBelowEd->text()), limits_)));
  LimitErrorLbl->setVisible(!LimitErrorLbl->text().isEmpty());
  JudgeEvents();
  Relist();
}

void TMoonEventsForm1::JudgeEvents() {
  visible_.reset();
  if (place_) visible_ = JudgeVisibility(sky_, search_, *place_, limits_);
}

AlmanacFilter TMoonEventsForm1::Filter() const {
  AlmanacFilter filter;
  for (std::size_t k = 0; k < 4; ++k) filter.moons[k] = MoonBox[k]->isChecked();
  filter.kinds = MoonEventKindSet::None();
  const auto& kinds = MoonEventKinds();
  for (std::size_t i = 0; i < KindBox.size() && i < kinds.size(); ++i) {
    filter.kinds.Set(kinds[i].kind, KindBox[i]->isChecked());
  }
  filter.show_hidden = HiddenBox->isChecked();
  filter.mutual = MutualBox->isChecked();
  return filter;
}

void TMoonEventsForm1::ShowMoonEvents(const DateTimeRec& from) {
  from_ = from;
  from_jd_ = ToJD(from);
  Search();
  RefreshSite();  // judges the events and lists them
  ShowReport();
  FitPanel();
}

void TMoonEventsForm1::Search() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  search_ = SearchAlmanac(from_jd_, SpanEd->value(), MutualBox->isChecked(), WindowPrompter());
  QApplication::restoreOverrideCursor();
  FromLabel->setText(QStringLiteral("From the observation time, ") + ToQt(MinuteText(from_jd_)) +
                     QStringLiteral(" UT"));
  JudgeEvents();  // whatever asked for the search, the visible list follows the events found
}

void TMoonEventsForm1::Relist() {
  const bool visible = VisibleBox->isChecked() && visible_;
  report_ = MoonEventsReport(search_, from_jd_, Filter(), visible ? &*visible_ : nullptr);
  SetLines(report_.lines);
}

void TMoonEventsForm1::FitPanel() {
  // The viewer sizes itself to its lines; the choices above them need their own room.
  const QSize panel = panel_->sizeHint();
  resize(std::max(width(), panel.width()), height() + panel.height());
}

std::optional<MoonEvent> TMoonEventsForm1::SelectedEvent() const {
  const int line = CurrentLine();
  if (line < 0 || static_cast<std::size_t>(line) >= report_.event_of_line.size()) {
    return std::nullopt;
  }
  const int event = report_.event_of_line[static_cast<std::size_t>(line)];
  if (event < 0) return std::nullopt;
  return report_.events[static_cast<std::size_t>(event)];
}

bool TMoonEventsForm1::GoToSelected() {
  const std::optional<MoonEvent> event = SelectedEvent();
  if (!event) {
    WindowPrompter().Tell("Choose an event in the list first, then Go To.", "Go To",
                          Icon::Information);
    return false;
  }
  DateTimeRec time = from_;  // the observation time's zone
  SetFromJD(time, GoToInstant(*event));
  if (go_to_) go_to_(time);
  return true;
}

void TMoonEventsForm1::ListBox1DblClick() {
  if (SelectedEvent()) GoToSelected();
}

}  // namespace jovi
