// TAboutBox: "About This Module", shown from Help > "&About".
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace jovi {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The texts the main window sets before showing the box.
  void SetVersion(const QString& version);
  void SetExercise(const QString& exercise);

  QLabel* ProductName;
  QLabel* Version;
  QLabel* Exercise1;
  QPushButton* OKButton;
};

}  // namespace jovi
