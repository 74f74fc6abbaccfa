// The four moons as the analysis window names them, and the offset-axis step of each.
#pragma once

#include <string_view>

namespace jovi {

// 1 Io, 2 Europa, 3 Ganymede, 4 Callisto; 0 is "no moon".
inline constexpr int kMoonCount = 4;

inline bool IsMoon(int moon) { return moon >= 1 && moon <= kMoonCount; }

// "IO (I)" ... "CALLISTO (IV)": the plot's title.
std::string_view MoonTitle(int moon);
// "Io (I)" ... "Callisto (IV)": the printed summary.
std::string_view MoonName(int moon);
// "IO Results" ... "CALLISTO Results": the suggested name of a saved plot image.
std::string_view MoonImageName(int moon);
// Jupiter diameters between offset labels: Io 1.5, Europa 2, Ganymede 3, Callisto 5.
float MoonYStep(int moon);

}  // namespace jovi
