// TSatLabForm1: the program's main window.
#pragma once

#include <QMainWindow>

namespace jovi {

class TSatLabForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TSatLabForm1(QWidget* parent = nullptr);
};

}  // namespace jovi
