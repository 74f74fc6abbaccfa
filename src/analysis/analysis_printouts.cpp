#include "analysis/analysis_printouts.h"

#include <algorithm>

#include "analysis/moon.h"
#include "report/print_header.h"
#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr std::size_t kSummaryColumns = 80;

// The largest box of the picture's shape at (x, y) that stays on the page.
void StretchToPage(PrintSurface& surface, int x, int y, const PrintImage& picture) {
  if (picture.width <= 0 || picture.height <= 0) return;
  const Real room_w = std::max(1, surface.PageWidth() - x);
  const Real room_h = std::max(1, surface.PageHeight() - y);
  Real h = room_h;
  Real w = h * picture.width / picture.height;
  if (w > room_w) {
    w = room_w;
    h = w * picture.height / picture.width;
  }
  surface.StretchImage(x, y, static_cast<int>(w), static_cast<int>(h), picture);
}

}  // namespace

void PlaceInColumn(std::string& line, std::size_t column, const std::string& text) {
  if (line.size() < column + text.size()) line.resize(column + text.size(), ' ');
  line.replace(column, text.size(), text);
}

bool PrintDisplayPages(PrintSurface& surface, PageOrientation orientation,
                       const StudentInfo& students, const std::string& clock_text,
                       const PrintImage& picture) {
  const bool landscape = orientation == PageOrientation::Landscape;
  surface.SetJobTitle(PrintJobTitle(students));
  surface.SetOrientation(orientation);
  if (!surface.BeginDocument()) return false;
  surface.SetFont({"MS Sans Serif", 10, false, true});
  const int h = surface.TextHeight("Text");
  const int x0 = landscape ? 50 : 0;
  const std::string& table = students.TableNumber;
  surface.TextOut(x0, 0, clock_text + "     Laboratory Table Number " +
                             (table.empty() ? std::string("(Not Recorded)") : table));
  int y = 2 * h;
  surface.TextOut(x0, y, students.StudentName[0]);
  for (std::size_t i = 1; i < students.StudentName.size(); ++i) {
    if (students.StudentName[i].empty()) continue;
    y += h;
    surface.TextOut(x0, y, students.StudentName[i]);
  }
  if (landscape) {
    surface.TextOut(700, y + 2 * h + 300, "(Screen Image Printed on Next Page)");
    surface.NewPage();
    surface.TextOut(x0, 0, students.StudentName[0] + "\t - Page 2");
    StretchToPage(surface, 0, 50, picture);
  } else {
    StretchToPage(surface, 0, y + 6 * h, picture);
  }
  surface.EndDocument();
  return true;
}

bool PrintSineSummary(PrintSurface& surface, const SineParameterSet& sine,
                      const StudentInfo& students, const std::string& lab_table,
                      const std::string& clock_text) {
  surface.SetJobTitle(PrintJobTitle(students));
  surface.SetOrientation(PageOrientation::Portrait);
  if (!surface.BeginDocument()) return false;
  const PrintHeaderLayout layout = PrintHeader(surface, students, lab_table, clock_text);
  const int h = layout.line_height;
  int y = layout.line_y;
  const auto blank = [] { return std::string(kSummaryColumns, ' '); };

  y += 3 * h;
  std::string line = blank();
  PlaceInColumn(line, 10, "Fitted Sine Curve Parameters");
  surface.TextOut(10, y, line);

  y += 3 * h;
  line = blank();
  PlaceInColumn(line, 8, "Satellite");
  PlaceInColumn(line, 27, "T-Zero");
  PlaceInColumn(line, 40, "Period");
  PlaceInColumn(line, 48, "Amplitude");
  PlaceInColumn(line, 59, "RMS Residual");
  surface.TextOut(1, y, line);

  y += h;
  for (int moon = 1; moon <= kMoonCount; ++moon) {
    const SineParameters& p = sine[static_cast<std::size_t>(moon - 1)];
    y += h;
    line = blank();
    PlaceInColumn(line, 8, std::string(MoonName(moon)));
    if (p.TZero != 0) {
      PlaceInColumn(line, 24, FixedText(static_cast<Real>(p.TZeroBase) + p.TZero, 5));
      PlaceInColumn(line, 39, FixedText(p.Period, 5, 8));
      PlaceInColumn(line, 49, FixedText(p.Amplitude, 4, 7));
      PlaceInColumn(line, 59, ExponentText(p.RmsResidual, 7));
    } else {
      PlaceInColumn(line, 24, "(Parameters not determined)");
    }
    surface.TextOut(1, y, line);
  }

  y += 3 * h;
  line = blank();
  PlaceInColumn(line, 8, "Units:  T_Zero - Julian Day Number");
  surface.TextOut(1, y, line);
  y += h;
  line = blank();
  PlaceInColumn(line, 16, "Period - Days");
  surface.TextOut(1, y, line);
  y += h;
  line = blank();
  PlaceInColumn(line, 16, "Amplitude - Jupiter Diameters");
  surface.TextOut(1, y, line);
  surface.EndDocument();
  return true;
}

}  // namespace jovi
