#include "sky/visibility.h"

#include "util/real.h"

namespace jovi {

JupiterVisibility VisibleFrom(SkyEphemeris& sky, const ObserverPlace& place, Real jd_ut,
                              const VisibilityLimits& limits) {
  JupiterVisibility v;
  const std::optional<SkyPosition> jupiter = sky.Where(SkyBody::Jupiter, place, jd_ut);
  const std::optional<SkyPosition> sun = sky.Where(SkyBody::Sun, place, jd_ut);
  if (!jupiter || !sun) return v;
  v.available = true;
  v.jupiter_altitude_deg = jupiter->altitude_deg;
  v.jupiter_azimuth_deg = jupiter->azimuth_deg;
  v.sun_altitude_deg = sun->true_altitude_deg;
  v.jupiter_high_enough = v.jupiter_altitude_deg >= limits.min_alt_deg;
  v.sky_dark_enough = v.sun_altitude_deg <= -limits.sun_below_deg;
  v.visible = v.jupiter_high_enough && v.sky_dark_enough;
  return v;
}

JupiterVisibility VisibleFrom(const ObserverPlace& place, Real jd_ut,
                              const VisibilityLimits& limits) {
  static SkyEphemeris sky;
  return VisibleFrom(sky, place, jd_ut, limits);
}

}  // namespace jovi
