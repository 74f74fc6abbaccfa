// A plain view of the pending measurement, shown by Record until the results dialog exists:
// OK confirms the values for the next commit, Cancel leaves them unconfirmed.
#pragma once

#include <QDialog>

#include <functional>

#include "measure/measurement_record.h"

class QLabel;
class QPushButton;

namespace jovi {

class PendingMeasurementView : public QDialog {
  Q_OBJECT

 public:
  explicit PendingMeasurementView(QWidget* parent = nullptr);

  void ShowRecord(const MeasurementRecord& record);
  // Run by OK (and by Next while the view is open).
  void SetConfirm(std::function<void()> confirm) { confirm_ = std::move(confirm); }
  void OKBtnClick();

  QLabel* Values;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  std::function<void()> confirm_;
};

}  // namespace jovi
