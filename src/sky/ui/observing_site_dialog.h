// TObservingSiteDlg, "Observing Site": the observer's latitude, longitude, height, name and
// time zone (the computer's own unless another is chosen).
// The typed text is checked by the core (sky/observer_place.h); the dialog shows the core's
// message under the fields and keeps the place in the user's configuration
// (sky/ui/site_settings.h).
#pragma once

#include <QDialog>
#include <optional>

#include "sky/observer_place.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace jovi {

class TObservingSiteDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TObservingSiteDlg(QWidget* parent = nullptr);

  // Fills the fields from the stored place (empty when there is none) and shows the dialog
  // modally. True when it closed with a new place stored, or with the place cleared.
  bool Edit();
  // The fields as a stored place shows them, and the message cleared.
  void ShowPlace(const std::optional<ObserverPlace>& place);
  // The place OK stored last (nothing after Clear).
  const std::optional<ObserverPlace>& Place() const { return place_; }

  QLineEdit* LatitudeEd;
  QLineEdit* LongitudeEd;
  QLineEdit* HeightEd;
  QLineEdit* NameEd;
  QComboBox* TimeZoneBox;  // the first item is the computer's own zone (an empty id)
  QLabel* ErrorLbl;
  QPushButton* OKBtn;
  QPushButton* ClearBtn;
  QPushButton* CancelBtn;

 private:
  void OKBtnClick();
  void ClearBtnClick();
  void ShowError(const QString& text, QLineEdit* field);

  std::optional<ObserverPlace> place_;
};

}  // namespace jovi
