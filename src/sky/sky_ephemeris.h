// Jupiter and the Sun in the observer's sky, from the program's own ephemerides: the apparent
// geocentric ecliptic longitude and latitude of date that astro/ computes (Jupiter from the
// coefficient file with the Bretagnon-Simon aberration and nutation corrections, the Sun from
// its 50-term series with nutation and aberration), turned into apparent right ascension and
// declination with the true obliquity, then into altitude and azimuth with the apparent
// sidereal time (sky/sky_coordinates.h).
//
// Places are geocentric: the diurnal parallax, at most 9" for the Sun and 2" for Jupiter, and
// the observer's height do not change any altitude here by a measurable amount.
#pragma once

#include <optional>

#include "astro/planet_body.h"
#include "astro/sun_body.h"
#include "sky/observer_place.h"
#include "sky/sky_coordinates.h"
#include "util/prompter.h"
#include "util/real.h"

namespace jovi {

enum class SkyBody { Sun, Jupiter };

// One body at one instant, for one place. Degrees; azimuth north 0, east 90.
struct SkyPosition {
  Real ra_hours = 0;
  Real dec_deg = 0;
  Real hour_angle_deg = 0;     // (-180, 180], west of the meridian positive
  Real true_altitude_deg = 0;  // airless
  Real altitude_deg = 0;       // with the standard refraction: what the eye sees
  Real azimuth_deg = 0;
};

class SkyEphemeris {
 public:
  // Messages of the Jupiter ephemeris (a date it does not serve, a missing coefficient file)
  // go to `prompter`, or to the program's prompter of the moment when it is null.
  explicit SkyEphemeris(Prompter* prompter = nullptr);

  // The apparent right ascension and declination of date at a UT instant; nothing for Jupiter
  // at a date its ephemeris does not serve (after its message).
  std::optional<Equatorial> Apparent(SkyBody body, Real jd_ut);

  // The body in the place's sky at a UT instant; nothing as above.
  std::optional<SkyPosition> Where(SkyBody body, const ObserverPlace& place, Real jd_ut);

 private:
  PlanetBody jupiter_;
  SunBody sun_;
};

}  // namespace jovi
