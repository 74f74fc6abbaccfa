#include "analysis/point_hit_test.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "analysis/moon.h"
#include "analysis/plot_geometry.h"
#include "util/decimal_text.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr Real kHitPixels = 4;

}  // namespace

MeasurementRecord* FindPointAt(MeasurementTable& table, int moon, const MoonPlotState& s, int x,
                               int y) {
  if (!IsMoon(moon) || !InsidePlotArea(x, y) || s.XScale <= 0 || s.YScale <= 0) return nullptr;
  const auto k = static_cast<std::size_t>(moon - 1);
  const Real day = XToDay(s, x);
  const Real offset = YToOffset(s, y);
  const Real day_reach = kHitPixels / s.XScale;
  const Real offset_reach = kHitPixels / s.YScale;
  // The cursor is walked from the head; it is left where the point was found.
  table.Reset();
  while (MeasurementRecord* r = table.Next()) {
    if (r->Offset[k] < kNoMeasurement &&
        std::fabs(r->JulianDay - s.JDBase - day) <= day_reach &&
        std::fabs(r->Offset[k] - offset) <= offset_reach) {
      return r;
    }
  }
  return nullptr;
}

bool TogglePointAt(MeasurementTable& table, int moon, const MoonPlotState& s, int x, int y,
                   Prompter& prompter) {
  MeasurementRecord* r = FindPointAt(table, moon, s, x, y);
  if (!r) return false;
  const auto k = static_cast<std::size_t>(moon - 1);
  const float offset = r->Offset[k];
  const bool included = r->Included[k];
  const std::string text = "JD: " + FixedText(r->JulianDay, 5) + "\r\nValue: " +
                           FixedText(std::fabs(offset), 1) + (offset >= 0 ? "W" : "E") +
                           "\r\n\r\n" +
                           (included ? "Remove the point from the residual calculation?"
                                     : "Restore the point to the residual calculation?");
  const Answer a = prompter.Ask(text, included ? "Remove Selected Point?" : "Restore Selected Point?",
                                Buttons::YesNo, Icon::Question);
  if (a != Answer::Yes) return false;
  r->Included[k] = !included;
  return true;
}

}  // namespace jovi
