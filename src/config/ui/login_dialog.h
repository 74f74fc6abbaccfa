// TLoginDlg: "Student Accounting", where up to four students give their names and their
// laboratory table number.
#pragma once

#include <QDialog>

#include "config/student_info.h"

class QLineEdit;
class QPushButton;

namespace jovi {

class TLoginDlg : public QDialog {
  Q_OBJECT

 public:
  // `record` is the main window's student record (the login-record pointer); without one the
  // dialog says so and changes nothing.
  explicit TLoginDlg(StudentInfo* record, QWidget* parent = nullptr);

  QLineEdit* Stud1;
  QLineEdit* Stud2;
  QLineEdit* Stud3;
  QLineEdit* Stud4;
  QLineEdit* LabTbl;
  QPushButton* OKBtn;

 private:
  void OKBtnClick();

  StudentInfo* record_;
};

}  // namespace jovi
