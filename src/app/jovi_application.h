// The desktop program's application object. Whatever escapes a user action reaches the general
// error report here: one message under the application title, then the program goes on.
#pragma once

#include <QApplication>

namespace jovi {

class JoviApplication : public QApplication {
  Q_OBJECT

 public:
  JoviApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace jovi
