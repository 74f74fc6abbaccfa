// TOptionsDlg: "Software Options", where the instructor edits the master options record on
// three tabs of check boxes and edit fields. What is shown and what OK and Cancel store is
// decided by the core's OptionsForm (config/options_form.h); this dialog shows and forwards.
#pragma once

#include <QDialog>

#include "config/options_form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace jovi {

class TOptionsDlg : public QDialog {
  Q_OBJECT

 public:
  // `options` is the options object whose master record the dialog edits (null: the dialog
  // says so when shown and changes nothing).
  explicit TOptionsDlg(OptsObj* options, QWidget* parent = nullptr);

  QTabWidget* PageControl1;
  QLineEdit* TblNumEd;
  QLineEdit* PWEd;
  QCheckBox* AdminBox;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  QLineEdit* Edit(const char* name) const;
  QCheckBox* Box(const char* name) const;

  // The window's close box and Escape cancel as the Cancel button does.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormActivate();
  void OKBtnClick();
  void CancelBtnClick();
  void AdminBoxMouseUp(bool checked);
  OptionsFormEntries Entries() const;

  OptionsForm form_;
  OptionsFormEntries shown_;
};

}  // namespace jovi
