#include "sky/sky_ephemeris.h"

#include "astro/angles.h"
#include "astro/time_scales.h"
#include "util/real.h"

namespace jovi {

SkyEphemeris::SkyEphemeris(Prompter* prompter) : jupiter_(kApparent, prompter), sun_(kApparent) {}

std::optional<Equatorial> SkyEphemeris::Apparent(SkyBody body, Real jd_ut) {
  const Real jde = TDTFromUT(jd_ut);
  Real longitude = 0;
  Real latitude = 0;
  if (body == SkyBody::Jupiter) {
    // The planet takes its date as UT and adds DeltaT itself.
    PositionRec pos;
    Real distance = 0;
    jupiter_.GeocentricPosition(jd_ut, pos, distance);
    if (jupiter_.OutOfRange || jupiter_.FileError) return std::nullopt;
    longitude = pos.Longitude;
    latitude = pos.Latitude;
  } else {
    longitude = SunLongitude(sun_, jde);  // the series has no latitude (it stays under 1")
  }
  return EclipticToEquatorial(longitude, latitude, TrueObliquity(jde));
}

std::optional<SkyPosition> SkyEphemeris::Where(SkyBody body, const ObserverPlace& place,
                                               Real jd_ut) {
  const std::optional<Equatorial> e = Apparent(body, jd_ut);
  if (!e) return std::nullopt;
  const Real lst = LocalSiderealTime(GreenwichApparentSiderealTime(jd_ut),
                                            place.longitude_deg * kRadiansPerDegree);
  const Real h = HourAngle(lst, e->ra);
  const Horizontal sky = HorizonFromEquatorial(h, e->dec, place.latitude_deg * kRadiansPerDegree);
  SkyPosition p;
  p.ra_hours = e->ra / kRadiansPerDegree / 15;
  p.dec_deg = e->dec / kRadiansPerDegree;
  p.hour_angle_deg = h / kRadiansPerDegree;
  p.true_altitude_deg = sky.altitude / kRadiansPerDegree;
  p.altitude_deg = ApparentAltitude(sky.altitude) / kRadiansPerDegree;
  p.azimuth_deg = sky.azimuth / kRadiansPerDegree;
  return p;
}

}  // namespace jovi
