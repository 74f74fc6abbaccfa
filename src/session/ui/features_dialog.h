// TFeaturesForm1, "Select Features": the five optional features of the view.
#pragma once

#include <QDialog>

#include <array>

#include "config/options_record.h"
#include "session/session_settings.h"

class QCheckBox;
class QPushButton;

namespace jovi {

class TFeaturesForm1 : public QDialog {
  Q_OBJECT

 public:
  explicit TFeaturesForm1(QWidget* parent = nullptr);

  // Shows the stored settings with each box enabled by the options; true when OK stored them.
  bool Choose(FeatureSettings& features, const OptsRec& options);

  // AnimationBox, IDBox, TopViewBox, StopAnimBox, ShowEclBox.
  std::array<QCheckBox*, 5> Boxes;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
};

}  // namespace jovi
