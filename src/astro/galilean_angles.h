// The angles the theory of the Galilean satellites (galilean_series.h) is evaluated at: the
// secular arguments at an instant, and the orientation of Jupiter's equator and orbit that
// carries the moons' places to the ecliptic of date.
#pragma once

#include <array>

#include "astro/galilean_series.h"
#include "util/real.h"

namespace jovi {

// The moons' mean distances from Jupiter's centre, Jupiter equatorial radii.
inline constexpr std::array<Real, 4> kGalileanMeanDistance = {5.9073_r, 9.39912_r, 14.9924_r,
                                                              26.3699_r};

// Radians, at t days from 1976 August 10.0 TD (JDE 2443000.5).
struct GalileanSecularAngles {
  std::array<Real, 4> l{}, pi{}, w{};  // mean longitudes, perijoves, nodes
  Real PhiLambda = 0;                  // phase of the free libration
  Real psi = 0;                        // node of Jupiter's equator, without precession
  Real Gdash = 0;                      // Saturn's mean anomaly
  Real Gamma = 0;                      // the great inequality
  Real G = 0;                          // Jupiter's mean anomaly, Gamma included
  Real PI = 0;                         // longitude of Jupiter's perihelion
};
GalileanSecularAngles GalileanSecularAnglesAt(Real t);

// The series' angles set from the secular ones (the true longitudes and sums are left as they
// are).
void SetSecularAngles(GalileanAngles& angles, const GalileanSecularAngles& secular);

// Radians, at a dynamical date: the precession from B1950 to the date, the inclination of
// Jupiter's equator to its orbit, and the node and inclination of Jupiter's orbit on the
// ecliptic of date.
struct JupiterEquatorFrame {
  Real Precession = 0;
  Real I = 0;
  Real Omega = 0;
  Real i = 0;
};
JupiterEquatorFrame JupiterEquatorFrameAt(Real jde);

}  // namespace jovi
