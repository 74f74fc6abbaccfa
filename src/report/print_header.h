// The heading lines of every printed page: date and time, the program's name, the laboratory
// table and the students' names.
#pragma once

#include <string>

#include "astro/date_time.h"
#include "config/student_info.h"
#include "util/print_surface.h"

namespace jovi {

// Where the caller goes on printing after the heading.
struct PrintHeaderLayout {
  int line_height = 0;  // height of "Text" in the heading's font
  int left_margin = 0;  // width of twelve blanks
  int line_y = 0;       // the line last printed
};

// "ZEVA Exercise "Jovitrack" - " and the first student's name; set it on the surface before
// beginning the document.
std::string PrintJobTitle(const StudentInfo& students);

// The clock text of the heading's first line: "03-07-2012 14:30:05".
std::string PrintClockText(const DateTimeRec& now);
// The same for the present moment on the computer's clock.
std::string PrintClockTextNow();

// Prints the heading at the top of the current page in Courier 10, fixed pitch.
PrintHeaderLayout PrintHeader(PrintSurface& surface, const StudentInfo& students,
                              const std::string& lab_table, const std::string& clock_text);

}  // namespace jovi
