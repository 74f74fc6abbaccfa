#include "session/ui/features_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/feature_choice.h"

namespace jovi {

TFeaturesForm1::TFeaturesForm1(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Select Features"));
  static constexpr std::array<std::pair<const char*, const char*>, 5> kBoxes{{
      {"AnimationBox", "Animation"},
      {"IDBox", "Use ID Colors"},
      {"TopViewBox", "Show Top View"},
      {"StopAnimBox", "Stop Animation on Enter/Exit Eclipse"},
      {"ShowEclBox", "Show Eclipsed Moon"},
  }};
  auto* layout = new QVBoxLayout(this);
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    Boxes[i] = new QCheckBox(QString::fromLatin1(kBoxes[i].second), this);
    Boxes[i]->setObjectName(QString::fromLatin1(kBoxes[i].first));
    layout->addWidget(Boxes[i]);
  }
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);
  setMinimumSize(263, 150);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFeaturesForm1::Choose(FeatureSettings& features, const OptsRec& options) {
  const FeatureBoxes shown = FeatureBoxesFor(features, options);
  for (std::size_t i = 0; i < Boxes.size(); ++i) {
    Boxes[i]->setEnabled(shown[i].enabled);
    Boxes[i]->setChecked(shown[i].checked);
  }
  if (exec() != QDialog::Accepted) return false;
  FeatureBoxes chosen = shown;
  for (std::size_t i = 0; i < Boxes.size(); ++i) chosen[i].checked = Boxes[i]->isChecked();
  features = FeaturesFromBoxes(chosen);
  return true;
}

}  // namespace jovi
