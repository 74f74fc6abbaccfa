#include "config/ui/login_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/login_form.h"
#include "util/prompter.h"
#include "util/ui/qt_text.h"

namespace jovi {

TLoginDlg::TLoginDlg(StudentInfo* record, QWidget* parent) : QDialog(parent), record_(record) {
  setWindowTitle(QStringLiteral("Student Accounting"));
  auto* form = new QFormLayout;
  QLineEdit** edits[] = {&Stud1, &Stud2, &Stud3, &Stud4};
  for (int i = 0; i < 4; ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Stud%1").arg(i + 1));
    edit->setMaxLength(static_cast<int>(student_text::kName));
    edit->setMinimumWidth(280);
    *edits[i] = edit;
    form->addRow(QStringLiteral("Student #%1:").arg(i + 1), edit);
  }
  // The table number is cut to its four characters on OK, not while typing.
  LabTbl = new QLineEdit(this);
  LabTbl->setObjectName(QStringLiteral("LabTbl"));
  LabTbl->setMaximumWidth(80);
  form->addRow(QStringLiteral("Laboratory Table Number:"), LabTbl);

  OKBtn = new QPushButton(QStringLiteral("&OK"), this);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TLoginDlg::OKBtnClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("Enter Student Name(s)  (Firstname...Lastname)"), this));
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  if (StartLoginForm(record_, ProgramPrompter())) {
    for (QLineEdit** edit : edits) (*edit)->clear();
  }
}

void TLoginDlg::OKBtnClick() {
  const std::array<std::string, 4> names = {FromQt(Stud1->text()), FromQt(Stud2->text()),
                                            FromQt(Stud3->text()), FromQt(Stud4->text())};
  if (ConfirmLoginForm(record_, names, FromQt(LabTbl->text()), ProgramPrompter())) accept();
}

}  // namespace jovi
