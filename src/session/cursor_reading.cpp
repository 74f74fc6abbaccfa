#include "session/cursor_reading.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "util/real.h"

namespace jovi {

namespace {
constexpr int kTolerance = 3;
}  // namespace

int IdentifyMoon(int x, int y, const MoonPixelSet& pixels) {
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const long long dx = static_cast<long long>(x) - pixels[i].X + 1;
    const long long dy = static_cast<long long>(y) - pixels[i].Y + 1;
    if (std::llabs(dx) < kTolerance && std::llabs(dy) < kTolerance) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string MoonIdText(int moon) {
  static constexpr std::array<const char*, 4> kNames{"I. Io", "II. Europa", "III. Ganymede",
                                                     "IV. Callisto"};
  if (moon < 1 || moon > 4) return {};
  return kNames[static_cast<std::size_t>(moon - 1)];
}

CursorResult TrackCursor(int x, int y, Real jd, const ViewGeometry& geometry,
                         const MoonPixelSet& pixels, const ReadingOptions& options) {
  CursorResult out;
  out.reading.JulianDay = jd;
  out.texts.Cursor = std::string("X: ").append(std::to_string(x)).append(", Y: ").append(
      std::to_string(y));
  if (options.IdentifyMoon) {
    out.reading.MoonID = static_cast<std::uint8_t>(IdentifyMoon(x, y, pixels));
    out.texts.Id = MoonIdText(out.reading.MoonID);
  }
  const long long d = static_cast<long long>(x) - geometry.CentreX;
  const int ppr = geometry.PixelsPerRadius > 0 ? geometry.PixelsPerRadius : 1;
  out.reading.Offset = static_cast<float>(static_cast<Real>(d) / (2.0_r * ppr));
  if (options.ShowDistance) {
    char value[48];
    std::snprintf(value, sizeof value, "%.2f", std::fabs(static_cast<double>(out.reading.Offset)));
    out.texts.Reading =
        std::string("X = ").append(value).append(d >= 0 ? "W" : "E").append(" (Jup. Diam.)    ");
  }
  return out;
}

}  // namespace jovi
