// The size of the windows that show a list of lines (topic dialog, help window, hotlist):
// as wide as the widest line plus a margin, and tall enough for the lines up to 22 of them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace jovi {

struct ListMetrics {
  std::function<int(std::string_view)> width;  // pixels of a line in the window's font
  std::function<int(std::string_view)> height;
};

struct ClientSize {
  int width = 0;
  int height = 0;
};

// Client width: the widest line (at least `min_width`) plus `margin`, at most the screen
// width - 10. Client height: round((lines + 1.3) x line height) for fewer than 22 lines, else
// round(22.3 x line height), the line height being the tallest line's, at least 5.
ClientSize ListClientSize(const std::vector<std::string>& lines, const ListMetrics& metrics,
                          int min_width, int margin, int screen_width);

// The widest line, at least `min_width`.
int WidestLine(const std::vector<std::string>& lines, const ListMetrics& metrics, int min_width);

}  // namespace jovi
