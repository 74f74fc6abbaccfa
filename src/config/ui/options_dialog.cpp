#include "config/ui/options_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>

#include "config/options_record.h"
#include "config/ui/password_dialog.h"
#include "util/prompter.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

// One control as the dialog shows it: its name, caption or label, and hint.
struct Shown {
  const char* name;
  const char* caption;
  const char* hint = nullptr;
};

void SetHint(QWidget& widget, const char* hint) {
  if (hint) widget.setToolTip(QString::fromUtf8(hint));
}

QGroupBox* Group(const char* title, QWidget* parent) {
  auto* group = new QGroupBox(QString::fromUtf8(title), parent);
  group->setObjectName(QString::fromUtf8(title));
  return group;
}

QLineEdit* AddEdit(QFormLayout& form, const Shown& s, QWidget* parent, int width = 0) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(s.name));
  if (width > 0) edit->setFixedWidth(width);
  auto* label = new QLabel(QString::fromUtf8(s.caption), parent);
  label->setBuddy(edit);
  SetHint(*edit, s.hint);
  SetHint(*label, s.hint);
  form.addRow(label, edit);
  return edit;
}

QGroupBox* EditGroup(const char* title, std::initializer_list<Shown> edits, QWidget* parent,
                     int width = 0) {
  QGroupBox* group = Group(title, parent);
  auto* form = new QFormLayout(group);
  for (const Shown& s : edits) AddEdit(*form, s, group, width);
  return group;
}

QCheckBox* MakeBox(const Shown& s, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(s.caption), parent);
  box->setObjectName(QString::fromLatin1(s.name));
  SetHint(*box, s.hint);
  return box;
}

QWidget* GeneralTab(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("GeneralTab"));
  QGroupBox* parameters =
      EditGroup("&Parameters",
                {{"ZnEd", "Time Zone Difference", "UT minus Local (Zone) Time in Hours"},
                 {"AnmStepEd", "Animation Step", "(Hours)"},
                 {"ObsIntEd", "Observation Step", "(Hours)"},
                 {"DispTmrEd", "Anim. Timer Interval", "(Milliseconds)"},
                 {"RSEd", "Red Spot Longitude", "System II Long. of Red Spot"}},
                page, 80);

  QGroupBox* switches = Group("Optio&ns", page);
  auto* grid = new QGridLayout(switches);
  const Shown boxes[] = {
      {"DemoBox", "Demonstration Mode", "In Demonstration Mode the login is not required."},
      {"TestBox", "Test Mode", "In Test Mode, Preferences are always enabled."},
      {"EditBox", "Edit Mode", "Enables Editing Functions"},
      {"IDMoonBox", "Identify Moon"},
      {"DistanceBox", "Show Distance"},
      {"AutoRBox", "Auto Data Recording",
       "If checked, measurments are automatically recorded on data form. "},
      {"RestartBox", "Allow Restart"},
      {"AnimationBox", "Allow Animation"},
      {"TopViewBox", "Allow Top View"},
      {"VisibilityBox", "Eclipse \"Visibility\" ",
       "Enable features to enhance eclipse \"visibility\"."},
      {"MonoBox", "Monochrome Display", "Show analysis display in monochrome."},
      {"ColorBox", "Print Color", "Print analysis display in color."},
      {"LogBox", "Write Log File"},
  };
  constexpr int kRows = 7;
  int i = 0;
  for (const Shown& s : boxes) {
    grid->addWidget(MakeBox(s, switches), i % kRows, i / kRows);
    ++i;
  }

  QGroupBox* urls = EditGroup("&URLs", {{"ZEVAURLEd", "ZEVA Website"}}, page, 200);
  QGroupBox* special = Group("\"Special\"", page);
  auto* special_layout = new QVBoxLayout(special);
  special_layout->addWidget(
      MakeBox({"AdminBox", "\"Administrator\"",
               "Ck if you are the administrator of this program in a multi-user environment."},
              special));

  auto* layout = new QGridLayout(page);
  layout->addWidget(parameters, 0, 0);
  layout->addWidget(switches, 0, 1);
  layout->addWidget(urls, 1, 0, 1, 1);
  layout->addWidget(special, 1, 1);
  return page;
}

QWidget* FilesTab(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("FilesTab"));
  auto* layout = new QGridLayout(page);
  layout->addWidget(
      EditGroup(
          "\"Splash\" &BMPs",
          {{"LogoEd", "ZEVA Logo:"}, {"TitleEd", "Main Title:"}, {"RoemrEd", "Roemer Title:"}},
          page),
      0, 0);
  layout->addWidget(EditGroup("&Data Files && Lists",
                              {{"JupImgsEd", "Jupiter Images"},
                               {"OuterPlEd", "Outer Planet Table"},
                               {"LeapSecEd", "Leap Second Table"},
                               {"HtLstEd", "Hotlist File"}},
                              page),
                    1, 0);
  layout->addWidget(EditGroup("&Help Files",
                              {{"MnHlpEd", "Main Help List:"},
                               {"RmrHlpEd", "Roemer Help List:"},
                               {"AnalHlpEd", "Analysis Help List;"},
                               {"TopHlpEd", "Top View Help List:"},
                               {"UsrHlpEd", "User Help File:"},
                               {"RmdrEd", "Reminder File:"}},
                              page),
                    0, 1, 2, 1);
  auto* log = new QFormLayout;
  AddEdit(*log, {"LogFlEd", "Log File (May Include Path)"}, page);
  layout->addLayout(log, 2, 0, 1, 2);
  return page;
}

QGroupBox* CloudGroup(const char* title, const char* prefix, QWidget* parent) {
  QGroupBox* group = Group(title, parent);
  auto* form = new QFormLayout(group);
  const std::string p(prefix);
  form->addRow(MakeBox({(p + "CloudsBox").c_str(), "Include Clouds"}, group));
  AddEdit(*form, {(p + "CloudyEd").c_str(), "% Cloudy Nights", "(0-100)"}, group, 60);
  AddEdit(*form, {(p + "DrtnEd").c_str(), "Cloud Duration (Hrs)"}, group, 60);
  return group;
}

QWidget* CloudsTab(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("CloudsTab"));
  auto* layout = new QGridLayout(page);
  layout->addWidget(CloudGroup("Mass of Jupiter Exercise", "N", page), 0, 0);
  layout->addWidget(CloudGroup("Lumitrack Exercise", "R", page), 0, 1);
  auto* images = new QFormLayout;
  AddEdit(*images, {"CloudImgsEd", "Cloud Images"}, page);
  layout->addLayout(images, 1, 0, 1, 2);
  layout->setRowStretch(2, 1);
  return page;
}

}  // namespace

TOptionsDlg::TOptionsDlg(OptsObj* options, QWidget* parent)
    : QDialog(parent), form_(options, ProgramPrompter()) {
  setWindowTitle(QStringLiteral("Software Options"));
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->addTab(GeneralTab(PageControl1), QStringLiteral("&General"));
  PageControl1->addTab(FilesTab(PageControl1), QStringLiteral("&Files"));
  PageControl1->addTab(CloudsTab(PageControl1), QStringLiteral("Clouds"));

  auto* bottom = new QHBoxLayout;
  auto* identity = new QFormLayout;
  TblNumEd =
      AddEdit(*identity, {"TblNumEd", "Lab Tbl #:", "Alphanumeric, 4 characters max."}, this, 60);
  TblNumEd->setMaxLength(static_cast<int>(option_text::kLabTable));
  PWEd =
      AddEdit(*identity, {"PWEd", "Password:", "Alphanumeric, case sensitive, 16 characters max."},
              this, 160);
  PWEd->setMaxLength(static_cast<int>(option_text::kMaxPassword));
  MaskPassword(*PWEd, '#');
  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  bottom->addLayout(identity);
  bottom->addStretch();
  bottom->addWidget(OKBtn, 0, Qt::AlignBottom);
  bottom->addWidget(CancelBtn, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  AdminBox = Box("AdminBox");
  connect(OKBtn, &QPushButton::clicked, this, &TOptionsDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TOptionsDlg::CancelBtnClick);
  connect(AdminBox, &QCheckBox::clicked, this, &TOptionsDlg::AdminBoxMouseUp);
  FormCreate();
}

QLineEdit* TOptionsDlg::Edit(const char* name) const {
  return findChild<QLineEdit*>(QString::fromLatin1(name));
}

QCheckBox* TOptionsDlg::Box(const char* name) const {
  return findChild<QCheckBox*>(QString::fromLatin1(name));
}

void TOptionsDlg::FormCreate() { PageControl1->setCurrentIndex(0); }

void TOptionsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TOptionsDlg::FormActivate() {
  const std::optional<OptionsFormEntries> entries = form_.Activate();
  if (!entries) return;
  shown_ = *entries;
  for (const auto& [name, text] : shown_.texts) {
    if (QLineEdit* edit = Edit(name.c_str())) {
      edit->setText(ToQt(text));
      edit->setCursorPosition(0);  // the start of a long name or address in view
    }
  }
  for (const auto& [name, checked] : shown_.checks) {
    if (QCheckBox* box = Box(name.c_str())) box->setChecked(checked);
  }
}

OptionsFormEntries TOptionsDlg::Entries() const {
  OptionsFormEntries entries;
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    const std::string name = FromQt(edit->objectName());
    // An untouched edit gives back exactly the text it was shown, whatever Qt made of it.
    const auto shown = shown_.texts.find(name);
    entries.texts[name] = shown != shown_.texts.end() && edit->text() == ToQt(shown->second)
                              ? shown->second
                              : FromQt(edit->text());
  }
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    entries.checks[FromQt(box->objectName())] = box->isChecked();
  }
  return entries;
}

void TOptionsDlg::OKBtnClick() {
  const auto confirm = [this](const std::string& new_password) {
    TPasswordDlg1 confirmation(&new_password, this);
    confirmation.exec();
    return confirmation.Confirmed();
  };
  if (form_.Ok(Entries(), confirm)) accept();
}

void TOptionsDlg::CancelBtnClick() {
  form_.Cancel();
  QDialog::reject();
}

void TOptionsDlg::reject() { CancelBtnClick(); }

void TOptionsDlg::AdminBoxMouseUp(bool checked) {
  if (checked && !KeepAdministratorChecked(ProgramPrompter())) AdminBox->setChecked(false);
}

}  // namespace jovi
