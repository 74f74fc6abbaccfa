// TExerciseForm1: "Select Exercise", shown at login when the command line named no exercise.
#pragma once

#include <QDialog>

#include "config/exercise_mode.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace jovi {

class TExerciseForm1 : public QDialog {
  Q_OBJECT

 public:
  explicit TExerciseForm1(QWidget* parent = nullptr);

  // The exercise chosen with OK; None while nothing was confirmed.
  ExerciseMode Mode() const { return mode_; }

  QGroupBox* RadioGroup1;
  QButtonGroup* RadioItems;
  QPushButton* OKBtn;

 private:
  void OKBtnClick();

  ExerciseMode mode_ = ExerciseMode::None;
};

}  // namespace jovi
