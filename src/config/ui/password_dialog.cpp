#include "config/ui/password_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/options_record.h"
#include "util/prompter.h"
#include "util/ui/qt_text.h"

namespace jovi {

namespace {

// The label, the masked edit and the two buttons both dialogs share.
void Build(QDialog& dialog, const char* label, char mask, const char* ok, const char* cancel,
           QLineEdit*& edit, QPushButton*& ok_button, QPushButton*& cancel_button) {
  edit = new QLineEdit(&dialog);
  edit->setObjectName(QStringLiteral("Password"));
  edit->setMaxLength(static_cast<int>(option_text::kMaxPassword));
  edit->setMinimumWidth(200);
  MaskPassword(*edit, mask);
  ok_button = new QPushButton(QString::fromLatin1(ok), &dialog);
  ok_button->setObjectName(QStringLiteral("OKBtn"));
  ok_button->setDefault(true);
  cancel_button = new QPushButton(QString::fromLatin1(cancel), &dialog);
  cancel_button->setObjectName(QStringLiteral("CancelBtn"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_button);
  buttons->addWidget(cancel_button);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QString::fromLatin1(label), &dialog));
  layout->addWidget(edit);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  QObject::connect(cancel_button, &QPushButton::clicked, &dialog, &QDialog::reject);
}

}  // namespace

void MaskPassword(QLineEdit& edit, char mask) {
  edit.setEchoMode(QLineEdit::Password);
  edit.setStyleSheet(QStringLiteral("lineedit-password-character: %1").arg(int{mask}));
}

TPasswordDlg::TPasswordDlg(PasswordCheck& check, QWidget* parent) : QDialog(parent), check_(check) {
  setWindowTitle(QStringLiteral("Password Required"));
  Build(*this, "Enter password:", '*', "OK", "Cancel", Password, OKBtn, CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
}

Answer TPasswordDlg::Ask() {
  Password->clear();
  Password->setFocus();
  answer_ = Answer::Cancel;
  exec();
  return answer_;
}

void TPasswordDlg::OKBtnClick() {
  answer_ = check_.OKBtnClick(FromQt(Password->text()), ProgramPrompter());
  if (answer_ == Answer::Ok) {
    accept();
  } else {
    reject();
  }
}

TPasswordDlg1::TPasswordDlg1(const std::string* new_password, QWidget* parent)
    : QDialog(parent), new_password_(new_password) {
  setWindowTitle(QStringLiteral("Confirm Password Change"));
  Build(*this, "Re-enter new password:", '#', "&OK", "&Cancel", Password, OKBtn, CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg1::OKBtnClick);
}

void TPasswordDlg1::OKBtnClick() {
  confirmed_ = PasswordChangeConfirmed(new_password_, FromQt(Password->text()));
  accept();
}

}  // namespace jovi
