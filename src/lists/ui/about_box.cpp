#include "lists/ui/about_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace jovi {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About This Module"));
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);

  auto* program_icon = new QLabel(panel);
  program_icon->setObjectName(QStringLiteral("ProgramIcon"));
  const QIcon icon = windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon)
                                           : windowIcon();
  program_icon->setPixmap(icon.pixmap(32, 32));

  ProductName = new QLabel(QStringLiteral("Zeva Laboratory Exercises in Astronomy"), panel);
  Version = new QLabel(QStringLiteral("Version 2.114"), panel);
  Exercise1 = new QLabel(QStringLiteral("Jovitrack"), panel);
  Exercise1->setAlignment(Qt::AlignCenter);
  QFont title = Exercise1->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.5);
  Exercise1->setFont(title);

  auto* grid = new QGridLayout(panel);
  grid->addWidget(program_icon, 0, 0, 2, 1, Qt::AlignTop);
  grid->addWidget(ProductName, 0, 1);
  grid->addWidget(Version, 1, 1);
  grid->addWidget(Exercise1, 2, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::SetVersion(const QString& version) { Version->setText(version); }
void TAboutBox::SetExercise(const QString& exercise) { Exercise1->setText(exercise); }

}  // namespace jovi
