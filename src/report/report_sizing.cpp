#include "report/report_sizing.h"

#include <algorithm>
#include <cmath>

#include "util/real.h"

namespace jovi {

namespace {

constexpr int kMinimumWidth = 200;
constexpr int kMinimumLineHeight = 5;
constexpr std::size_t kFullHeightLines = 22;  // from this many lines on the window scrolls
constexpr Real kExtraLines = 1.3_r;
constexpr Real kFullHeight = 22.3_r;  // line heights
constexpr int kWidthMargin = 30;
constexpr int kScreenMargin = 10;

}  // namespace

ReportWindowSize SizeReportWindow(std::span<const LineExtent> lines, int screen_width) {
  int w = kMinimumWidth;
  int h = kMinimumLineHeight;
  for (const LineExtent& line : lines) {
    w = std::max(w, line.width);
    h = std::max(h, line.height);
  }
  const Real rows = lines.size() < kFullHeightLines
                               ? static_cast<Real>(lines.size()) + kExtraLines
                               : kFullHeight;
  ReportWindowSize size;
  size.client_height = static_cast<int>(std::nearbyint(rows * h));
  size.client_width = std::min(w + kWidthMargin, screen_width - kScreenMargin);
  size.scroll_range = w;
  return size;
}

}  // namespace jovi
