// How large the report viewer opens: tall enough for its lines (at most 22.3 line heights) and
// wide enough for the longest one (at most the screen's width less 10 pixels).
#pragma once

#include <span>

namespace jovi {

// The measured size of one report line in the viewer's font.
struct LineExtent {
  int width = 0;
  int height = 0;
};

struct ReportWindowSize {
  int client_width = 0;
  int client_height = 0;
  int scroll_range = 0;  // the horizontal scroll range: the widest line, at least 200
};

// Lines are measured by the window; the width starts at 200 and the line height at 5 so an
// empty report still opens as a small window.
ReportWindowSize SizeReportWindow(std::span<const LineExtent> lines, int screen_width);

}  // namespace jovi
