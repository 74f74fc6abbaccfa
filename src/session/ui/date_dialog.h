// TUTTimeDlg, "Set Date/Time": the observation time as a UT calendar date and time or as a
// Julian date.
#pragma once

#include <QDialog>

#include "session/date_entry.h"
#include "util/prompter.h"

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

  QRadioButton* CalendarFormat;
  QRadioButton* JulianFormat;
  QLineEdit* DateEd;
  QLineEdit* TimeEd;
  QLineEdit* JDEd;
  QLineEdit* CmntEd;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QMenuBar* Menu;

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
