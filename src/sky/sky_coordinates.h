// From the ecliptic of date to the observer's sky: the obliquity of the ecliptic, right
// ascension and declination, sidereal time, altitude and azimuth, and the refraction near the
// horizon. Angles are radians unless a name says degrees; jde is a dynamical (TDT) Julian date,
// jd_ut a Universal Time one.
//
// Sources (J. Meeus, Astronomical Algorithms, 2nd ed., Willmann-Bell 1998, chapter numbers):
//   - Mean obliquity: the IAU 1976 expression of J. H. Lieske et al. (A&A 58, 1, 1977), Meeus
//     (22.2): eps0 = 23deg 26' 21.448" - 46.8150" T - 0.00059" T^2 + 0.001813" T^3, T in Julian
//     centuries of TDT from J2000.0.
//   - Nutation in obliquity: the two leading terms, +9.20" cos(Omega) + 0.57" cos(2L) (Meeus
//     ch. 22), on the same arguments as the program's nutation in longitude
//     (astro/nutation_precession.h, Bretagnon and Simon), so that both come from one model;
//     the terms left out are below 0.1".
//   - Greenwich mean sidereal time: the IAU 1982 expression (S. Aoki et al., A&A 105, 359,
//     1982) in Meeus's form (12.4): theta0 = 280.46061837deg + 360.98564736629deg (JD -
//     2451545.0) + 0.000387933deg T^2 - T^3 / 38710000deg, JD and T in UT. Apparent sidereal
//     time adds the equation of the equinoxes, Delta psi cos(eps) (Meeus ch. 12). Universal
//     Time is taken as UTC: UT1 - UTC, under 0.9 s, is not modelled.
//   - Equatorial from ecliptic coordinates: Meeus (13.3), (13.4); altitude and azimuth from the
//     hour angle: Meeus (13.5), (13.6), the azimuth here counted from the north through the
//     east (north 0, east 90 degrees), as observers and almanacs count it.
//   - Refraction: T. Saemundsson's formula (Sky and Telescope 72, 70, 1986), Meeus (16.4) with
//     his zero-at-the-zenith constant: R = 1.02' / tan(h + 10.3deg / (h + 5.11deg)) +
//     0.0019279', h the true (airless) altitude in degrees, for 1010 hPa and 10 deg C. Below a
//     true altitude of -1 degree the formula means nothing; there the value at -1 degree is
//     tapered linearly to 0 at -90 degrees, so that the apparent altitude stays continuous and
//     increasing.
#pragma once

#include "util/real.h"

namespace jovi {

struct Equatorial {
  Real ra = 0;   // right ascension, [0, 2pi)
  Real dec = 0;  // declination
};

struct Horizontal {
  Real altitude = 0;  // true (airless) altitude
  Real azimuth = 0;   // [0, 2pi): north 0, east pi/2
};

// The mean obliquity, the nutation in obliquity and their sum, at a dynamical date.
Real MeanObliquity(Real jde);
Real NutationInObliquity(Real jde);
Real TrueObliquity(Real jde);

// Ecliptic longitude and latitude (of date) to right ascension and declination, for the
// obliquity `eps` (the true obliquity for apparent places).
Equatorial EclipticToEquatorial(Real longitude, Real latitude, Real eps);

// Sidereal time at Greenwich, [0, 2pi), at a Universal Time; the apparent one takes the
// nutation at jd_ut + DeltaT.
Real GreenwichMeanSiderealTime(Real jd_ut);
Real GreenwichApparentSiderealTime(Real jd_ut);
// Local sidereal time for an east longitude (radians), [0, 2pi).
Real LocalSiderealTime(Real greenwich_sidereal_time, Real east_longitude);

// The hour angle, (-pi, pi]: west of the meridian positive.
Real HourAngle(Real local_sidereal_time, Real ra);

// Altitude and azimuth for a latitude, from the hour angle and the declination.
Horizontal HorizonFromEquatorial(Real hour_angle, Real dec, Real latitude);

// The standard refraction (radians, >= 0) for a true altitude, and the altitude one sees.
Real Refraction(Real true_altitude);
Real ApparentAltitude(Real true_altitude);

}  // namespace jovi
