#include "session/ui/exercise_form.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "session/exercise_choice.h"
#include "util/prompter.h"

namespace jovi {

TExerciseForm1::TExerciseForm1(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Select Exercise"));
  setFixedSize(346, 153);

  auto* label =
      new QLabel(QStringLiteral("Please select an execise for the Jovitrack software."), this);
  label->setGeometry(16, 10, 320, 20);

  RadioGroup1 = new QGroupBox(QStringLiteral("Jovitrack Exercises"), this);
  RadioGroup1->setGeometry(16, 38, 200, 80);
  RadioItems = new QButtonGroup(this);
  auto* items = new QVBoxLayout(RadioGroup1);
  const QString captions[] = {QStringLiteral("\"Jovitrack\""), QStringLiteral("\"Lumitrack\"")};
  for (int i = 0; i < 2; ++i) {
    auto* item = new QRadioButton(captions[i], RadioGroup1);
    RadioItems->addButton(item, i);
    items->addWidget(item);
  }

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setGeometry(240, 112, 90, 28);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TExerciseForm1::OKBtnClick);
}

void TExerciseForm1::OKBtnClick() {
  if (const auto mode = ConfirmExerciseChoice(RadioItems->checkedId(), ProgramPrompter())) {
    mode_ = *mode;
    accept();
  }
}

}  // namespace jovi
