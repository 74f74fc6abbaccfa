#include <QApplication>

#include "app/message_box_prompter.h"
#include "app/sat_lab_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  jovi::MessageBoxPrompter prompter;
  jovi::SetProgramPrompter(&prompter);
  jovi::TSatLabForm1 form;
  prompter.SetParent(&form);
  form.show();
  const int status = QApplication::exec();
  jovi::SetProgramPrompter(nullptr);
  return status;
}
