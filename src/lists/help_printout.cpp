#include "lists/help_printout.h"

namespace jovi {

std::string HelpPrintJobTitle(const StudentInfo& students) {
  return ("ZEVA Exercise \"Stellafin\" - " + students.StudentName[0]).substr(0, 100);
}

ListPrintout HelpTopicPrintout(const std::string& caption, const std::vector<std::string>& lines,
                               const StudentInfo& students, const std::string& lab_table,
                               const std::string& clock) {
  ListPrintout printout;
  printout.job_title = HelpPrintJobTitle(students);
  printout.top_line = ClockAndTableLine(clock, lab_table);
  printout.headings = {printout.job_title, caption};
  printout.lines = lines;
  return printout;
}

}  // namespace jovi
