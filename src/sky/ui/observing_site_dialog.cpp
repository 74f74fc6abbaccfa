#include "sky/ui/observing_site_dialog.h"

#include <QComboBox>
#include <algorithm>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "sky/ui/site_settings.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

QLineEdit* LineEdit(QDialog* dialog, const char* name, const char* placeholder, int max_length) {
  auto* edit = new QLineEdit(dialog);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setPlaceholderText(QString::fromUtf8(placeholder));
  edit->setMaxLength(max_length);
  edit->setMinimumWidth(220);
  return edit;
}

QPushButton* Button(QDialog* dialog, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), dialog);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TObservingSiteDlg::TObservingSiteDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ObservingSiteDlg"));
  setWindowTitle(QStringLiteral("Observing Site"));
  LatitudeEd = LineEdit(this, "LatitudeEd", "52.37N, or 52.37N 4.89E", 40);
  LongitudeEd = LineEdit(this, "LongitudeEd", "4.89E", 24);
  HeightEd = LineEdit(this, "HeightEd", "0", 12);
  NameEd = LineEdit(this, "NameEd", "(optional)", static_cast<int>(kMostPlaceNameCharacters));
  TimeZoneBox = new QComboBox(this);
  TimeZoneBox->setObjectName(QStringLiteral("TimeZoneBox"));
  TimeZoneBox->addItem(QStringLiteral("This computer's zone (%1)")
                           .arg(QString::fromLatin1(QTimeZone::systemTimeZoneId())),
                       QByteArray());
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
    TimeZoneBox->addItem(QString::fromLatin1(id), id);
  }

  auto* intro = new QLabel(
      QStringLiteral("Where you observe from, in decimal degrees: north and east positive, or "
                     "with the letters N, S, E and W."),
      this);
  intro->setWordWrap(true);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Latitude:"), LatitudeEd);
  form->addRow(QStringLiteral("L&ongitude:"), LongitudeEd);
  form->addRow(QStringLiteral("&Height above sea level (m):"), HeightEd);
  form->addRow(QStringLiteral("&Name:"), NameEd);
  form->addRow(QStringLiteral("&Time zone:"), TimeZoneBox);

  ErrorLbl = new QLabel(this);
  ErrorLbl->setObjectName(QStringLiteral("ErrorLbl"));
  ErrorLbl->setWordWrap(true);
  ErrorLbl->setStyleSheet(QStringLiteral("color: #b00000"));
  ErrorLbl->setVisible(false);

  OKBtn = Button(this, "OKBtn", "&OK");
  OKBtn->setDefault(true);
  ClearBtn = Button(this, "ClearBtn", "C&lear Site");
  CancelBtn = Button(this, "CancelBtn", "&Cancel");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ClearBtn);
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addWidget(ErrorLbl);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  intro->setFixedWidth(form->sizeHint().width());

  connect(OKBtn, &QPushButton::clicked, this, &TObservingSiteDlg::OKBtnClick);
  connect(ClearBtn, &QPushButton::clicked, this, &TObservingSiteDlg::ClearBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TObservingSiteDlg::ShowPlace(const std::optional<ObserverPlace>& place) {
  LatitudeEd->setText(place ? ToQt(LatitudeFieldText(place->latitude_deg)) : QString());
  LongitudeEd->setText(place ? ToQt(LongitudeFieldText(place->longitude_deg)) : QString());
  HeightEd->setText(place ? ToQt(HeightFieldText(place->height_m)) : QString());
  NameEd->setText(place ? ToQt(place->name) : QString());
  const int zone = TimeZoneBox->findData(LoadSiteTimeZoneId());
  TimeZoneBox->setCurrentIndex(std::max(zone, 0));
  ErrorLbl->clear();
  ErrorLbl->setVisible(false);
}

bool TObservingSiteDlg::Edit() {
  place_ = LoadObservingSite();
  ShowPlace(place_);
  LatitudeEd->setFocus();
  return exec() == QDialog::Accepted;
}

void TObservingSiteDlg::ShowError(const QString& text, QLineEdit* field) {
  ErrorLbl->setText(text);
  ErrorLbl->setVisible(true);
  if (field) {
    field->setFocus();
    field->selectAll();
  }
}

void TObservingSiteDlg::OKBtnClick() {
  const SiteEntry entry = CheckSiteEntry(FromQt(LatitudeEd->text()), FromQt(LongitudeEd->text()),
                                         FromQt(HeightEd->text()), FromQt(NameEd->text()));
  if (!entry.place) {
    QLineEdit* field = nullptr;
    switch (entry.field) {
      case SiteEntry::Field::Latitude:
        field = LatitudeEd;
        break;
      case SiteEntry::Field::Longitude:
        field = LongitudeEd;
        break;
      case SiteEntry::Field::Height:
        field = HeightEd;
        break;
      case SiteEntry::Field::Name:
        field = NameEd;
        break;
      case SiteEntry::Field::None:
        break;
    }
    ShowError(ToQt(entry.error), field);
    return;
  }
  if (!SaveObservingSite(entry.place) ||
      !SaveSiteTimeZoneId(TimeZoneBox->currentData().toByteArray())) {
    ShowError(QStringLiteral("The site could not be saved in %1.").arg(ObservingSiteFile()),
              nullptr);
    return;
  }
  place_ = entry.place;
  accept();
}

void TObservingSiteDlg::ClearBtnClick() {
  if (!SaveObservingSite(std::nullopt)) {
    ShowError(QStringLiteral("The site could not be removed from %1.").arg(ObservingSiteFile()),
              nullptr);
    return;
  }
  place_.reset();
  accept();
}

}  // namespace jovi
