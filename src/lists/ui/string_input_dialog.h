// TStrIpDlg: a one-line text input. The caller sets Value, CaptionText and Prompt, shows it
// modally and reads Value after OK.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace jovi {

class TStrIpDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TStrIpDlg(QWidget* parent = nullptr);

  QString Value;
  QString CaptionText;
  QString Prompt;

  QLabel* PromptLbl;
  QLineEdit* EditStr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OKBtnClick();
};

}  // namespace jovi
