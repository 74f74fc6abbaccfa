// Printing a list window's lines: the print dialog first, then the printout on the chosen
// printer with the hourglass cursor and the window disabled meanwhile.
#pragma once

#include "config/student_info.h"
#include "lists/list_printout.h"

class QWidget;

namespace jovi {

// False when the print dialog was cancelled (nothing is printed).
bool PrintListWithDialog(QWidget& window, const ListPrintout& printout,
                         const StudentInfo& students);

// The clock text of a printout's top line, now.
std::string PrintoutClockNow();

}  // namespace jovi
