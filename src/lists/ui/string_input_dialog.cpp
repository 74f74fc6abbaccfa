#include "lists/ui/string_input_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace jovi {

TStrIpDlg::TStrIpDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  PromptLbl = new QLabel(this);
  EditStr = new QLineEdit(this);
  EditStr->setMinimumWidth(240);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  connect(ok, &QPushButton::clicked, this, &TStrIpDlg::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PromptLbl);
  layout->addWidget(EditStr);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TStrIpDlg::showEvent(QShowEvent* event) {
  setWindowTitle(CaptionText);
  PromptLbl->setText(Prompt);
  EditStr->setText(Value);
  EditStr->setFocus();
  QDialog::showEvent(event);
}

void TStrIpDlg::OKBtnClick() {
  Value = EditStr->text();
  accept();
}

}  // namespace jovi
