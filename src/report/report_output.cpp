#include "report/report_output.h"

#include <filesystem>

#include "report/print_header.h"
#include "util/atomic_file.h"
#include "util/general_error.h"

namespace jovi {

namespace {

constexpr int kIndent = 50;  // from the heading's left margin

}  // namespace

bool PrintReport(PrintSurface& surface, std::string_view caption,
                 const std::vector<std::string>& lines, const StudentInfo& students,
                 const std::string& lab_table, const std::string& clock_text) {
  surface.SetJobTitle(PrintJobTitle(students));
  if (!surface.BeginDocument()) return false;
  const PrintHeaderLayout layout = PrintHeader(surface, students, lab_table, clock_text);
  const int h = layout.line_height;
  const int x = layout.left_margin + kIndent;
  int y = layout.line_y + 2 * h;
  surface.TextOut(x, y, caption);
  y += 2 * h;
  for (const std::string& line : lines) {
    if (surface.PageHeight() < y + h) {
      surface.NewPage();
      y = h;
    }
    surface.TextOut(x, y, line);
    y += h;
  }
  surface.EndDocument();
  return true;
}

std::string ReportText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string OfferedTextPath(ReportOutputState& state, const std::string& user_folder) {
  if (state.LastTextFolder.empty()) state.LastTextFolder = user_folder;
  return (std::filesystem::path(state.LastTextFolder) / (state.ReportName + ".TXT")).string();
}

void CancelReportText(ReportOutputState& state) {
  state.SavedAsText = false;
  state.Printed = false;
}

bool SaveReportText(ReportOutputState& state, const std::string& path,
                    const std::vector<std::string>& lines, Prompter& prompter) {
  const FileWriteResult result = WriteFileAtomically(path, ReportText(lines));
  if (!result.Ok()) {
    ReportGeneralError(result.Description(), prompter);
    return false;
  }
  const std::filesystem::path chosen(path);
  state.LastTextName = chosen.filename().string();
  state.LastTextFolder = chosen.parent_path().string();
  prompter.Tell("Report Text Written to " + state.LastTextName + ".", "Text File Written",
                Icon::Information);
  state.SavedAsText = true;
  state.Printed = true;
  return true;
}

}  // namespace jovi
