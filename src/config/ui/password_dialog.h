// The instructor's two password dialogs: TPasswordDlg "Password Required", which lets the
// instructor in, and TPasswordDlg1 "Confirm Password Change", where a new password is typed a
// second time. Their decisions are the core's (config/password_check.h).
#pragma once

#include <QDialog>

#include <string>

#include "config/password_check.h"

class QLineEdit;
class QPushButton;

namespace jovi {

// Echo `edit` masked with `mask` instead of the typed characters.
void MaskPassword(QLineEdit& edit, char mask);

class TPasswordDlg : public QDialog {
  Q_OBJECT

 public:
  // `check` holds the expected password and counts the attempts across showings.
  explicit TPasswordDlg(PasswordCheck& check, QWidget* parent = nullptr);

  // Clears the edit and shows the dialog modally: Ok, No (a wrong password: ask again) or
  // Cancel (cancelled, or the last attempt failed).
  Answer Ask();

  QLineEdit* Password;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  void OKBtnClick();

  PasswordCheck& check_;
  Answer answer_ = Answer::Cancel;
};

class TPasswordDlg1 : public QDialog {
  Q_OBJECT

 public:
  // `new_password` is the new-password reference set by the caller (may be null).
  explicit TPasswordDlg1(const std::string* new_password, QWidget* parent = nullptr);

  bool Confirmed() const { return confirmed_; }

  QLineEdit* Password;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 private:
  void OKBtnClick();

  const std::string* new_password_;
  bool confirmed_ = false;
};

}  // namespace jovi
