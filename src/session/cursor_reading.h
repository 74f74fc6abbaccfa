// Reading the cross-hair in the telescope field: which moon is under it and how far it stands
// from Jupiter's centre.
#pragma once

#include <cstdint>
#include <string>

#include "session/telescope_geometry.h"
#include "util/real.h"

namespace jovi {

// The last cursor reading, taken by every cursor event and read by Record.
struct CurrentReading {
  Real JulianDay = 0;
  std::uint8_t MoonID = 0;  // 1..4, 0 none
  float Offset = 0;         // Jupiter diameters, west positive
};

// The first moon (in number order) whose last drawn pixel lies from 3 pixels left of (above)
// the point to 1 pixel right of (below) it; 0 for none.
int IdentifyMoon(int x, int y, const MoonPixelSet& pixels);

// "I. Io" .. "IV. Callisto"; empty for 0.
std::string MoonIdText(int moon);

struct ReadingOptions {
  bool IdentifyMoon = true;
  bool ShowDistance = true;
};

// The three read-outs below the view.
struct ReadoutTexts {
  std::string Id;      // IDLbl
  std::string Cursor;  // CrsrLbl
  std::string Reading; // RdngLbl
};

struct CursorResult {
  CurrentReading reading;
  ReadoutTexts texts;
};

// The reading at image pixel (x, y) at observation time `jd`.
CursorResult TrackCursor(int x, int y, Real jd, const ViewGeometry& geometry,
                         const MoonPixelSet& pixels, const ReadingOptions& options);

}  // namespace jovi
