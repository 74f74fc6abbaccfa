#include "util/ui/message_box_prompter.h"

#include <QMessageBox>

#include "util/ui/qt_text.h"

namespace jovi {

namespace {

QMessageBox::StandardButtons ButtonsOf(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(Icon i) {
  switch (i) {
    case Icon::Stop:
      return QMessageBox::Critical;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

Answer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::None;
  }
}

}  // namespace

Answer MessageBoxPrompter::Ask(std::string_view text, std::string_view caption, Buttons buttons,
                               Icon icon) {
  QMessageBox box(IconOf(icon), MessageToQt(caption), MessageToQt(text), ButtonsOf(buttons),
                  parent_);
  return AnswerOf(box.exec());
}

}  // namespace jovi
