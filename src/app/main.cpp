#include "app/jovi_application.h"
#include "app/sat_lab_form.h"
#include "util/ui/message_box_prompter.h"

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
