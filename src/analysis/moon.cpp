#include "analysis/moon.h"

#include <array>
#include <cstddef>

namespace jovi {

namespace {

std::size_t Index(int moon) { return static_cast<std::size_t>(IsMoon(moon) ? moon - 1 : 0); }

}  // namespace

std::string_view MoonTitle(int moon) {
  static constexpr std::array<std::string_view, 4> kTitles{"IO (I)", "EUROPA (II)",
                                                           "GANYMEDE (III)", "CALLISTO (IV)"};
  return IsMoon(moon) ? kTitles[Index(moon)] : std::string_view();
}

std::string_view MoonName(int moon) {
  static constexpr std::array<std::string_view, 4> kNames{"Io (I)", "Europa (II)",
                                                          "Ganymede (III)", "Callisto (IV)"};
  return IsMoon(moon) ? kNames[Index(moon)] : std::string_view();
}

std::string_view MoonImageName(int moon) {
  static constexpr std::array<std::string_view, 4> kNames{"IO Results", "EUROPA Results",
                                                          "GANYMEDE Results", "CALLISTO Results"};
  return IsMoon(moon) ? kNames[Index(moon)] : std::string_view();
}

float MoonYStep(int moon) {
  static constexpr std::array<float, 4> kSteps{1.5f, 2.0f, 3.0f, 5.0f};
  return IsMoon(moon) ? kSteps[Index(moon)] : 1.0f;
}

}  // namespace jovi
