#include "report/ui/search_string_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "util/ui/qt_text.h"

namespace jovi {

TGetSrchStrDlg::TGetSrchStrDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Find Help Topic"));
  SrchStr1 = new QLineEdit(this);
  SrchStr1->setMaxLength(static_cast<int>(kMaxSearchText));
  SrchStr1->setMinimumWidth(260);
  CaseCheck = new QCheckBox(QStringLiteral("Case Dependent"), this);
  SrchTopBtn = new QPushButton(QStringLiteral("From &Top"), this);
  SrchTopBtn->setDefault(true);
  SrchNextBtn = new QPushButton(QStringLiteral("&From Cursor"), this);
  SrchCancelBtn = new QPushButton(QStringLiteral("&Cancel"), this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Search String:"), this), 0, 0, 1, 3);
  grid->addWidget(SrchStr1, 1, 0, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("Begin Search:"), this), 2, 0, 1, 2);
  grid->addWidget(CaseCheck, 2, 2);
  grid->addWidget(SrchTopBtn, 3, 0);
  grid->addWidget(SrchNextBtn, 3, 1);
  grid->addWidget(SrchCancelBtn, 3, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  connect(SrchTopBtn, &QPushButton::clicked, this,
          [this] { SearchButtonClick(SearchStart::FromTop); });
  connect(SrchNextBtn, &QPushButton::clicked, this,
          [this] { SearchButtonClick(SearchStart::FromCursor); });
  connect(SrchCancelBtn, &QPushButton::clicked, this, &TGetSrchStrDlg::SrchCancelBtnClick);
}

void TGetSrchStrDlg::showEvent(QShowEvent* event) {
  SrchStr1->setText(ToQt(request_.SearchText));
  CaseCheck->setChecked(request_.CaseDependent);
  SrchStr1->setFocus();
  SrchStr1->selectAll();
  QDialog::showEvent(event);
}

void TGetSrchStrDlg::SearchButtonClick(SearchStart button) {
  if (PressSearchButton(request_, FromQt(SrchStr1->text()), CaseCheck->isChecked(), button)) {
    accept();
  } else {
    reject();
  }
}

void TGetSrchStrDlg::SrchCancelBtnClick() {
  request_.StartMode = SearchStart::Cancelled;
  reject();
}

}  // namespace jovi
