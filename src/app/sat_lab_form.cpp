#include "app/sat_lab_form.h"

#include <QMenuBar>

namespace jovi {

TSatLabForm1::TSatLabForm1(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Jovitrack"));
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
  setCentralWidget(new QWidget(this));
  centralWidget()->setAutoFillBackground(true);
  setFixedSize(632, 434 + menuBar()->sizeHint().height());
}

}  // namespace jovi
