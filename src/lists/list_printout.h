// The printout of a window's list of lines (a help topic, the hotlist): a heading with the
// clock, the laboratory table and the students, the window's titles, then the lines, in
// Courier 10 and over as many pages as they need.
#pragma once

#include <string>
#include <vector>

#include "astro/date_time.h"
#include "config/student_info.h"
#include "util/print_surface.h"

namespace jovi {

struct ListPrintout {
  std::string job_title;
  std::string top_line;               // the clock, and the table when printed
  bool with_students = true;          // the students' names below the top line
  std::vector<std::string> headings;  // two lines apart, before the lines
  std::vector<std::string> lines;
};

// "2012/03/07 14:30:00": the local date and time in the list windows' formats.
std::string ListClockText(const DateTimeRec& now);

// The clock followed by "     Laboratory Table Number " and the table, or "(Not Recorded)".
std::string ClockAndTableLine(const std::string& clock, const std::string& lab_table);

// Prints the whole document: the top line at the left margin (0, or 50 in landscape), the
// first student two lines lower and the others below when not empty, then each heading two
// lines further down and the list lines from two lines below the last heading, headings and
// lines indented 50 further. A line that would pass the page's foot starts a new page.
void PrintListPages(PrintSurface& surface, const ListPrintout& printout,
                    const StudentInfo& students, PageOrientation orientation);

}  // namespace jovi
