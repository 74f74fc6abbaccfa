#include "jupiter_map.h"

#include <array>
#include <cmath>

#include "noise.h"
#include "parallel.h"

namespace jovi::pictures {

namespace {

// The mean colour of each latitude, north to south (planetographic degrees): the polar regions,
// the temperate and tropical zones and belts, the equatorial belts and the equatorial zone.
struct Knot {
  double lat;
  Rgb colour;
};
constexpr std::array kProfile = {
    Knot{90.0, {100, 97, 96}},    Knot{64.0, {118, 112, 106}},  // north polar region
    Knot{50.0, {142, 134, 124}},  Knot{46.0, {178, 170, 156}},  // NNTZ
    Knot{41.5, {180, 170, 154}},  Knot{40.0, {162, 148, 132}},  // NNTB
    Knot{37.0, {164, 150, 134}},  Knot{35.5, {208, 198, 180}},  // NTZ
    Knot{31.8, {212, 202, 184}},  Knot{30.6, {174, 150, 126}},  // NTB
    Knot{25.2, {168, 142, 118}},  Knot{24.0, {224, 214, 196}},  // NTrZ
    Knot{19.4, {222, 210, 190}},  Knot{18.0, {162, 124, 94}},   // NEB
    Knot{12.5, {144, 108, 82}},   Knot{8.2, {152, 114, 86}},
    Knot{7.0, {220, 204, 176}},   Knot{2.0, {222, 206, 178}},    // EZ
    Knot{0.0, {208, 194, 170}},   Knot{-2.0, {222, 208, 182}},   // equatorial band
    Knot{-6.6, {224, 210, 186}},  Knot{-7.8, {154, 116, 88}},    // SEB north component
    Knot{-10.5, {162, 124, 94}},  Knot{-12.8, {184, 152, 120}},  // SEB zone
    Knot{-15.5, {178, 146, 114}}, Knot{-18.0, {160, 122, 92}},   // SEB south component
    Knot{-19.6, {158, 120, 90}},  Knot{-20.8, {226, 216, 198}},  // STrZ
    Knot{-26.0, {222, 212, 194}}, Knot{-27.4, {174, 150, 128}},  // STB
    Knot{-32.0, {176, 152, 130}}, Knot{-33.4, {210, 200, 182}},  // STZ
    Knot{-37.0, {204, 194, 176}}, Knot{-38.6, {176, 160, 142}},  // SSTB
    Knot{-42.0, {178, 162, 144}}, Knot{-43.8, {190, 180, 164}},  // SSTZ
    Knot{-48.0, {146, 138, 128}}, Knot{-64.0, {118, 112, 106}},  // south polar region
    Knot{-90.0, {100, 97, 96}},
};

Rgb Profile(double lat) {
  for (std::size_t i = 1; i < kProfile.size(); ++i) {
    if (lat >= kProfile[i].lat) {
      const Knot& n = kProfile[i - 1];
      const Knot& s = kProfile[i];
      return Mix(s.colour, n.colour, SmoothStep(s.lat, n.lat, lat));
    }
  }
  return kProfile.back().colour;
}

double Gauss(double x, double centre, double width) {
  const double t = (x - centre) / width;
  return std::exp(-t * t);
}

// Longitude difference brought into [-180, 180).
double LonDiff(double lon, double lon0) { return std::remainder(lon - lon0, 360.0); }

// The elliptical radius of a place from a spot's centre, in units of the spot's semi-axes.
double SpotRadius(double lon, double lat, double lon0, double lat0, double semi_lon,
                  double semi_lat) {
  return std::hypot(LonDiff(lon, lon0) / semi_lon, (lat - lat0) / semi_lat);
}

// A soft-edged spot: 1 inside, 0 outside, with a blurred rim.
double SpotWeight(double radius, double softness = 0.25) {
  return 1.0 - SmoothStep(1.0 - softness, 1.0 + softness, radius);
}

constexpr Rgb kZoneWhite{234, 228, 214};
constexpr Rgb kFestoonGrey{104, 106, 116};
constexpr Rgb kBargeBrown{120, 88, 68};

// How strongly the latitude of the bands is stirred: most in the two equatorial belts and
// the polar regions.
double TurbulenceDegrees(double lat) {
  return 2.0 + 3.5 * Gauss(lat, 13.0, 5.5) + 4.0 * Gauss(lat, -13.5, 6.5) -
         1.0 * SmoothStep(45, 60, std::abs(lat));
}

// The Great Red Spot, its pale hollow in the south edge of the South Equatorial Belt, and
// the turbulent wake that trails it.
Rgb RedSpot(Rgb c, double lon, double lat) {
  const double hollow = SpotRadius(lon, lat, 0.0, -21.4, 10.5, 5.4);
  c = Mix(c, Profile(-23.0), 0.85 * SpotWeight(hollow, 0.35));
  const double east = LonDiff(lon, 0);
  const double wake = SmoothStep(5, 16, east) * (1 - SmoothStep(30, 80, east));
  const double swirl = Fractal(lon / 2.0, lat / 1.2, 3, 77, 180);
  c = Mix(c, kZoneWhite, 0.5 * wake * Gauss(lat, -15.0, 2.8) * SmoothStep(-0.1, 0.5, swirl));

  const double r = SpotRadius(lon, lat, 0.0, -22.0, 6.0, 3.5);
  const Rgb core{208, 124, 100};
  const Rgb rim{188, 104, 84};
  const Rgb spot = Mix(core, rim, SmoothStep(0.3, 0.95, r)) *
                   static_cast<float>(1.0 + 0.04 * Fractal(lon / 1.5, lat / 1.0, 2, 78, 240));
  return Mix(c, spot, 0.88 * SpotWeight(r, 0.3));
}

// Blue-grey festoons trailing from the North Equatorial Belt into the equatorial zone, the
// dark projections they start from, and the bright plumes between them.
Rgb Festoons(Rgb c, double lon, double lat) {
  constexpr int kCount = 11;
  if (lat < -1.0 || lat > 10.0) return c;
  for (int i = 0; i < kCount; ++i) {
    const double base = i * 360.0 / kCount + 12.0 * (Random01(i, 0, 91) - 0.5);
    const double t = (7.6 - lat) / 6.0;  // 0 at the belt's edge, 1 deep in the zone
    if (t > -0.3 && t < 1.2) {
      const double length = 9.0 + 9.0 * Random01(i, 1, 91);
      const double along = std::max(t, 0.0);
      const double centre = base + length * along;
      const double width = 2.6 - 1.4 * along;
      const double fade = (1.0 - SmoothStep(0.4, 1.1, t)) * SmoothStep(-0.3, 0.1, t);
      const double strength = (0.25 + 0.25 * Random01(i, 2, 91)) * fade;
      c = Mix(c, kFestoonGrey, strength * Gauss(LonDiff(lon, centre), 0, width));
    }
    const double knot = SpotRadius(lon, lat, base - 0.5, 7.8, 2.6, 1.2);
    c = Mix(c, Rgb{98, 86, 78}, 0.4 * SpotWeight(knot, 0.6));
    const double plume = SpotRadius(lon, lat, base + 180.0 / kCount, 6.0, 3.0, 2.4);
    c = Mix(c, kZoneWhite, 0.4 * SpotWeight(plume, 0.6));
  }
  return c;
}

// A row of spots at one latitude: `count` of them, evenly spaced with some jitter.
Rgb SpotRow(Rgb c, double lon, double lat, double row_lat, int count, double semi_lon,
            double semi_lat, Rgb colour, double strength, std::uint32_t seed) {
  if (std::abs(lat - row_lat) > 2 * semi_lat) return c;
  for (int i = 0; i < count; ++i) {
    const double lon0 = (i + 0.3 + 0.4 * Random01(i, 0, seed)) * 360.0 / count;
    const double lat0 = row_lat + semi_lat * 0.6 * (Random01(i, 1, seed) - 0.5);
    c = Mix(c, colour, strength * SpotWeight(SpotRadius(lon, lat, lon0, lat0, semi_lon, semi_lat)));
  }
  return c;
}

Rgb PaintCloudTops(double lon, double lat) {
  // The bands, their edges stirred by turbulence on two scales.
  const double stir = TurbulenceDegrees(lat) * (0.55 * Fractal(lon / 30.0, lat / 8.0, 2, 10, 12) +
                                                0.45 * Fractal(lon / 9.0, lat / 3.0, 4, 11, 40));
  const Rgb band = Profile(lat + stir);
  const Rgb zone = Profile(lat > 0 ? 21.5 : -23.0);
  const double belt = SmoothStep(205, 165, band.g);  // 1 in a dark belt, 0 in a bright zone
  // Belts darker in some longitudes than others, with light rifts running obliquely.
  const double equatorial = 1.0 - SmoothStep(25, 35, std::abs(lat));
  const double depth = 1.0 + 0.9 * equatorial * Fractal(lon / 40.0, lat / 6.0, 2, 14, 9);
  Rgb c = Mix(zone, band, std::clamp(depth, 0.0, 1.0)) *
          static_cast<float>(1.0 - 0.3 * std::max(depth - 1.0, 0.0));
  const double rift = SmoothStep(0.1, 0.35, Fractal((lon + 1.8 * lat) / 5.0, lat / 0.9, 3, 15, 72));
  c = Mix(c, zone, 0.4 * belt * rift * (Gauss(lat, 13.0, 4.0) + Gauss(lat, -13.0, 5.0)));
  // Streaks drawn out east-west by the winds, and mottling, strongest in the belts.
  const double streaks = Fractal(lon / 6.0, lat / 0.8, 3, 12, 60);
  const double mottle = Fractal(lon / 5.0, lat / 2.0, 3, 13, 72);
  c = c * static_cast<float>(1.0 + (0.08 + 0.06 * belt) * streaks + (0.05 + 0.1 * belt) * mottle);

  c = Festoons(c, lon, lat);
  c = SpotRow(c, lon, lat, 16.6, 4, 3.4, 1.3, kBargeBrown, 0.7, 21);   // NEB barges
  c = SpotRow(c, lon, lat, 19.6, 5, 1.8, 1.2, kZoneWhite, 0.5, 22);    // NTrZ ovals
  c = SpotRow(c, lon, lat, 40.5, 7, 1.4, 1.0, kZoneWhite, 0.35, 23);   // NNTZ spots
  c = SpotRow(c, lon, lat, -32.6, 3, 3.0, 2.1, kZoneWhite, 0.75, 24);  // STB white ovals
  c = SpotRow(c, lon, lat, -41.0, 6, 1.6, 1.2, kZoneWhite, 0.5, 25);   // SSTB ovals
  return RedSpot(c, lon, lat);
}

}  // namespace

JupiterMap::JupiterMap() : texels_(static_cast<std::size_t>(kColumns) * kRows) {
  ParallelFor(kRows, [this](int row) {
    const double lat = 90.0 - (row + 0.5) * (180.0 / kRows);
    for (int col = 0; col < kColumns; ++col) {
      const double lon = (col + 0.5) * (360.0 / kColumns);
      texels_[static_cast<std::size_t>(row) * kColumns + col] = PaintCloudTops(lon, lat);
    }
  });
}

Rgb JupiterMap::Texel(float column, int row, float row_fraction) const {
  int c0 = static_cast<int>(column);
  const float tc = column - static_cast<float>(c0);
  while (c0 >= kColumns) c0 -= kColumns;
  const int c1 = c0 + 1 == kColumns ? 0 : c0 + 1;
  const Rgb* north = &texels_[static_cast<std::size_t>(row) * kColumns];
  const Rgb* south = north + kColumns;
  return Mix(Mix(north[c0], north[c1], tc), Mix(south[c0], south[c1], tc), row_fraction);
}

}  // namespace jovi::pictures
