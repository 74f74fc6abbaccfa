// The printout of the help topic on show.
#pragma once

#include <string>
#include <vector>

#include "config/student_info.h"
#include "lists/list_printout.h"

namespace jovi {

// "ZEVA Exercise "Stellafin" - " and the first student's name, at most 100 characters.
std::string HelpPrintJobTitle(const StudentInfo& students);

// The job title and the window's caption over the topic's lines, under the clock and table.
ListPrintout HelpTopicPrintout(const std::string& caption, const std::vector<std::string>& lines,
                               const StudentInfo& students, const std::string& lab_table,
                               const std::string& clock);

}  // namespace jovi
