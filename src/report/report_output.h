// What the report viewer does with its lines besides showing them: the printout under the
// common page heading, and the text file of the lines as displayed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/student_info.h"
#include "util/print_surface.h"
#include "util/prompter.h"

namespace jovi {

// The heading, two lines down the caption, two more lines down the report's lines, each at
// the heading's left margin + 50; a line that would run past the page's foot starts a new page
// one line height from its top. False when no document could be started.
bool PrintReport(PrintSurface& surface, std::string_view caption,
                 const std::vector<std::string>& lines, const StudentInfo& students,
                 const std::string& lab_table, const std::string& clock_text);

// The lines as a text file: each ends with CR LF.
std::string ReportText(const std::vector<std::string>& lines);

// The viewer's record of printing and saving, shown as the check marks of its menu.
struct ReportOutputState {
  bool Printed = false;
  bool SavedAsText = false;
  std::string ReportName;      // offered as ReportName + ".TXT"
  std::string LastTextName;    // file name of the last text save
  std::string LastTextFolder;  // folder of the last text save; empty until the first
};

// The path the save dialog offers: ReportName + ".TXT" in the folder of the last save, or in
// `user_folder` before the first one (which then becomes the folder of the last save).
std::string OfferedTextPath(ReportOutputState& state, const std::string& user_folder);

// The save dialog was cancelled: neither check mark is shown.
void CancelReportText(ReportOutputState& state);

// Writes the lines to `path` (replacing the file whole) and says so. A failed write is shown as
// the program's general error report and leaves the state as it was. True when written.
bool SaveReportText(ReportOutputState& state, const std::string& path,
                    const std::vector<std::string>& lines, Prompter& prompter);

}  // namespace jovi
