#include "lists/list_printout.h"

#include <cstdio>

namespace jovi {

std::string ListClockText(const DateTimeRec& now) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", static_cast<int>(now.Year),
                now.Month, now.Day, now.LocalTime.Hour, now.LocalTime.Minute,
                static_cast<int>(now.LocalTime.Second));
  return text;
}

std::string ClockAndTableLine(const std::string& clock, const std::string& lab_table) {
  return clock + "     Laboratory Table Number " +
         (lab_table.empty() ? std::string("(Not Recorded)") : lab_table);
}

void PrintListPages(PrintSurface& surface, const ListPrintout& printout,
                    const StudentInfo& students, PageOrientation orientation) {
  surface.SetJobTitle(printout.job_title);
  surface.SetOrientation(orientation);
  if (!surface.BeginDocument()) return;
  surface.SetFont({"Courier", 10, true, false});
  const int line_height = surface.TextHeight("Text");
  const int margin = orientation == PageOrientation::Landscape ? 50 : 0;
  const int indent = margin + 50;
  int y = 0;
  surface.TextOut(margin, y, printout.top_line);
  if (printout.with_students) {
    y += 2 * line_height;
    surface.TextOut(margin, y, students.StudentName[0]);
    for (std::size_t i = 1; i < students.StudentName.size(); ++i) {
      if (students.StudentName[i].empty()) continue;
      y += line_height;
      surface.TextOut(margin, y, students.StudentName[i]);
    }
  }
  for (const std::string& heading : printout.headings) {
    y += 2 * line_height;
    surface.TextOut(indent, y, heading);
  }
  y += line_height;  // the first list line comes two lines below the last heading
  for (const std::string& line : printout.lines) {
    y += line_height;
    if (y + line_height > surface.PageHeight()) {
      surface.NewPage();
      y = 0;
    }
    surface.TextOut(indent, y, line);
  }
  surface.EndDocument();
}

}  // namespace jovi
