#include "session/rotation_image.h"

#include <cmath>
#include <cstdio>

#include "util/real.h"

namespace jovi {

namespace {
constexpr Real kRadiansPerDegree = 0.017453292519943295_r;
constexpr int kFirstPictureOffset = 62;
}  // namespace

int RotationIndexForAngle(Real a) {
  const Real steps = std::nearbyint(a / kRotationStep);
  // Angles far outside one turn come from a broken longitude; keep them inside a turn first.
  if (!std::isfinite(steps)) return kFirstPictureOffset;
  long long k = static_cast<long long>(std::fmod(steps, 2.0_r * kRotationPictures)) +
                kFirstPictureOffset;
  if (k < 1) k += kRotationPictures;
  if (k >= kRotationPictures + 1) k -= kRotationPictures;
  // Only angles beyond one turn either way can still be outside; fold them in.
  k = ((k - 1) % kRotationPictures + kRotationPictures) % kRotationPictures + 1;
  return static_cast<int>(k);
}

int SelectRotationImage(Real system_ii, float red_spot_degrees) {
  return RotationIndexForAngle(system_ii - static_cast<Real>(red_spot_degrees) *
                                               kRadiansPerDegree);
}

std::string RotationImageName(int index) {
  char name[16];
  std::snprintf(name, sizeof name, "Jup%03d.BMP", index);
  return name;
}

}  // namespace jovi
