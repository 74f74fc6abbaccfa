#include "lists/ui/help_print_job.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "util/ui/qt_print_surface.h"

namespace jovi {

bool PrintListWithDialog(QWidget& window, const ListPrintout& printout,
                         const StudentInfo& students) {
  QPrinter printer;
  QPrintDialog dialog(&printer, &window);
  if (dialog.exec() != QDialog::Accepted) return false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window.setEnabled(false);
  {
    QtPrintSurface surface(printer);
    PrintListPages(surface, printout, students,
                   printer.pageLayout().orientation() == QPageLayout::Landscape
                       ? PageOrientation::Landscape
                       : PageOrientation::Portrait);
  }
  window.setEnabled(true);
  QApplication::restoreOverrideCursor();
  return true;
}

std::string PrintoutClockNow() {
  DateTimeRec now;
  SetZoneAndNow(now, 0.0f);
  return ListClockText(now);
}

}  // namespace jovi
