#include "app/jovi_application.h"
#include "app/message_box_prompter.h"
#include "app/sat_lab_form.h"

int main(int argc, char** argv) {
  jovi::JoviApplication app(argc, argv);
  jovi::MessageBoxPrompter prompter;
  jovi::SetProgramPrompter(&prompter);
  int status = 1;
  {
    jovi::TSatLabForm1 form(QCoreApplication::arguments());
    if (form.Started()) {
      prompter.SetParent(&form);
      form.show();
      status = QApplication::exec();
    }
  }
  jovi::SetProgramPrompter(nullptr);
  return status;
}
