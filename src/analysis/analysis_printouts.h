// The analysis window's two printouts: the window's picture under a heading, and the summary
// of the fitted sine curves of all four moons.
#pragma once

#include <string>

#include "analysis/sine_model.h"
#include "config/student_info.h"
#include "util/print_surface.h"

namespace jovi {

// The picture of the window under the date, table number and students' names. In landscape
// the picture goes on a second page headed by the first student's name. It is scaled to fit
// the room below its top, keeping its shape. False when no document could be started.
bool PrintDisplayPages(PrintSurface& surface, PageOrientation orientation,
                       const StudentInfo& students, const std::string& clock_text,
                       const PrintImage& picture);

// The fitted period, amplitude, T-zero and residual of each moon in an 80-column layout, under
// the common heading of printed pages. False when no document could be started.
bool PrintSineSummary(PrintSurface& surface, const SineParameterSet& sine,
                      const StudentInfo& students, const std::string& lab_table,
                      const std::string& clock_text);

// One summary line: `text` placed at 0-based column `column` of an 80-column line of blanks.
void PlaceInColumn(std::string& line, std::size_t column, const std::string& text);

}  // namespace jovi
