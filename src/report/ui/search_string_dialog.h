// TGetSrchStrDlg: the one search-string dialog of the program. Each user sets the caption,
// shows it modally and reads Request() afterwards.
#pragma once

#include <QDialog>

#include "report/search_request.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace jovi {

class TGetSrchStrDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TGetSrchStrDlg(QWidget* parent = nullptr);

  SearchRequest& Request() { return request_; }

  QLineEdit* SrchStr1;
  QCheckBox* CaseCheck;
  QPushButton* SrchTopBtn;
  QPushButton* SrchNextBtn;
  QPushButton* SrchCancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;  // the activation: last text and box

 private:
  void SearchButtonClick(SearchStart button);
  void SrchCancelBtnClick();

  SearchRequest request_;
};

}  // namespace jovi
