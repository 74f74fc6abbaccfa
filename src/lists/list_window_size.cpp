#include "lists/list_window_size.h"

#include <algorithm>
#include <cmath>

namespace jovi {

int WidestLine(const std::vector<std::string>& lines, const ListMetrics& metrics, int min_width) {
  int widest = min_width;
  for (const std::string& line : lines) widest = std::max(widest, metrics.width(line));
  return widest;
}

ClientSize ListClientSize(const std::vector<std::string>& lines, const ListMetrics& metrics,
                          int min_width, int margin, int screen_width) {
  int line_height = 5;
  for (const std::string& line : lines) line_height = std::max(line_height, metrics.height(line));
  const double rows = lines.size() < 22 ? static_cast<double>(lines.size()) + 1.3 : 22.3;
  ClientSize size;
  size.width = std::min(WidestLine(lines, metrics, min_width) + margin, screen_width - 10);
  size.height = static_cast<int>(std::nearbyint(rows * line_height));
  return size;
}

}  // namespace jovi
