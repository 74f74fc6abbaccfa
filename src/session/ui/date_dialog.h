// TUTTimeDlg, "Set Date/Time": the observation time as a UT calendar date and time or as a
// Julian date.
#pragma once

#include <QDialog>

#include "session/date_entry.h"
#include "util/prompter.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace jovi {

class TUTTimeDlg : public QDialog {
  Q_OBJECT

 public:
  TUTTimeDlg(DateEntry& entry, Prompter& prompter, QWidget* parent = nullptr);

  // Fills the fields from the entry; `edit_mode` shows the comment field.
  void Prepare(bool edit_mode);
  // The OK button's reading of the fields into the entry, without closing the dialog; false
  // when a field cannot be read.
  bool ReadFields();
  DateEntry& Entry() { return entry_; }

  QRadioButton* CalendarFormat;
  QRadioButton* JulianFormat;
  QLineEdit* DateEd;
  QLineEdit* TimeEd;
  QLineEdit* JDEd;
  QLineEdit* CmntEd;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QMenuBar* Menu;
  // The "&Hotlist" menu, wired by the hotlist's owner.
  QAction* SelectDateTimeFromHotList1;
  QAction* PutDateTimeonHotList1;
  QAction* SaveUpdatedHotList1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChooseFormat(int format);
  void DateEdExit();
  void JDEdExit();
  void OKBtnClick();

  DateEntry& entry_;
  Prompter& prompter_;
  QWidget* comment_label_ = nullptr;
};

}  // namespace jovi
