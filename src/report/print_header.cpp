#include "report/print_header.h"

#include <cstdio>

namespace jovi {

std::string PrintJobTitle(const StudentInfo& students) {
  return "ZEVA Exercise \"Jovitrack\" - " + students.StudentName[0];
}

std::string PrintClockText(const DateTimeRec& now) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", now.LocalTime.Hour, now.LocalTime.Minute,
                static_cast<int>(now.LocalTime.Second));
  return NumericDateText(now) + " " + time;
}

std::string PrintClockTextNow() {
  DateTimeRec now;
  SetZoneAndNow(now, 0.0f);
  return PrintClockText(now);
}

PrintHeaderLayout PrintHeader(PrintSurface& surface, const StudentInfo& students,
                              const std::string& lab_table, const std::string& clock_text) {
  surface.SetFont({"Courier", 10, true, false});
  PrintHeaderLayout layout;
  layout.line_height = surface.TextHeight("Text");
  layout.left_margin = surface.TextWidth("            ");
  layout.line_y = 0;
  surface.TextOut(0, layout.line_y, clock_text + "     Jovitrack");
  if (!lab_table.empty()) {
    layout.line_y += 2 * layout.line_height;
    surface.TextOut(0, layout.line_y, "Laboratory Table Number " + lab_table);
  }
  layout.line_y += 2 * layout.line_height;
  surface.TextOut(0, layout.line_y, students.StudentName[0]);
  for (std::size_t i = 1; i < students.StudentName.size(); ++i) {
    if (students.StudentName[i].empty()) continue;
    layout.line_y += layout.line_height;
    surface.TextOut(0, layout.line_y, students.StudentName[i]);
  }
  return layout;
}

}  // namespace jovi
