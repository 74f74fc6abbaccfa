#include "analysis/ui/sine_parms_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "util/ui/qt_text.h"

namespace jovi {

TSineParmsDlg::TSineParmsDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Sine Curve Parameters"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(330, 230);

  const QString captions[] = {QStringLiteral("T-Zero (Mod. Jul. Date):"),
                              QStringLiteral("Period (Days):"),
                              QStringLiteral("Amplitude (Jup. Diams.):")};
  QLineEdit** fields[] = {&TZeroEd, &PeriodEd, &AmplitudeEd};
  for (int i = 0; i < 3; ++i) {
    auto* caption = new QLabel(captions[i], this);
    caption->setGeometry(12, 14 + 32 * i, 160, 24);
    *fields[i] = new QLineEdit(this);
    (*fields[i])->setGeometry(176, 14 + 32 * i, 140, 24);
  }
  auto* note = new QLabel(
      QStringLiteral("Type starting values read from the plot. See the help topic on fitting "
                     "sine curves for how to choose them."),
      this);
  note->setWordWrap(true);
  note->setGeometry(12, 112, 306, 48);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(126, 184, 90, 30);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setGeometry(226, 184, 90, 30);
  connect(ok, &QPushButton::clicked, this, &TSineParmsDlg::OkPressed);
  connect(cancel, &QPushButton::clicked, this, &TSineParmsDlg::reject);
}

void TSineParmsDlg::reject() {
  QDialog::reject();
  emit Cancelled();
}

void TSineParmsDlg::Load(const SineParameterTexts& texts) {
  TZeroEd->setText(ToQt(texts.TZero));
  PeriodEd->setText(ToQt(texts.Period));
  AmplitudeEd->setText(ToQt(texts.Amplitude));
}

SineParameterTexts TSineParmsDlg::Texts() const {
  return {FromQt(TZeroEd->text()), FromQt(PeriodEd->text()), FromQt(AmplitudeEd->text())};
}

}  // namespace jovi
