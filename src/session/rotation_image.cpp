#include "session/rotation_image.h"

#include <cmath>
#include <cstdio>

namespace jovi {

namespace {
constexpr long double kRadiansPerDegree = 0.017453292519943295L;
constexpr int kFirstPictureOffset = 62;
}  // namespace

int RotationIndexForAngle(long double a) {
  const long double steps = std::nearbyint(a / kRotationStep);
  // Angles far outside one turn come from a broken longitude; keep them inside a turn first.
  if (!std::isfinite(steps)) return kFirstPictureOffset;
  long long k = static_cast<long long>(std::fmod(steps, 2.0L * kRotationPictures)) +
                kFirstPictureOffset;
  if (k < 1) k += kRotationPictures;
  if (k >= kRotationPictures + 1) k -= kRotationPictures;
  // Only angles beyond one turn either way can still be outside; fold them in.
  k = ((k - 1) % kRotationPictures + kRotationPictures) % kRotationPictures + 1;
  return static_cast<int>(k);
}

int SelectRotationImage(long double system_ii, float red_spot_degrees) {
  return RotationIndexForAngle(system_ii - static_cast<long double>(red_spot_degrees) *
                                               kRadiansPerDegree);
}

std::string RotationImageName(int index) {
  char name[16];
  std::snprintf(name, sizeof name, "Jup%03d.BMP", index);
  return name;
}

}  // namespace jovi
