#include "app/jovi_application.h"

#include <exception>
#include <string>

#include "util/general_error.h"
#include "util/prompter.h"

namespace jovi {

JoviApplication::JoviApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QString::fromLatin1(kApplicationTitle));
}

bool JoviApplication::notify(QObject* receiver, QEvent* event) {
  std::string description;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    description = e.what();
  } catch (...) {
    description = "Unknown error";
  }
  ReportGeneralError(description, ProgramPrompter());
  return false;
}

}  // namespace jovi
