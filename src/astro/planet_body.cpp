#include "astro/planet_body.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/coefficient_file.h"
#include "astro/date_time.h"
#include "astro/nutation_precession.h"
#include "astro/sun_body.h"
#include "astro/time_scales.h"
#include "util/real.h"

namespace jovi {

namespace {

constexpr const char* kOutOfRangeCaption = "*** Planetary Ephemeris Not Available ***";
constexpr const char* kFileErrorCaption = "*** Outer Planets Coefficients File Error ***";

// Jupiter from 1990 January 1, 0h TDT (MJD 47892.0) to 1995 January 1: the same span as record
// 1198 of the coefficient file. These coefficients were fitted from that start: evaluated from
// it they follow the planet to half an arcsecond, whereas an evaluation from MJD 48000.0
// (1990 April 19) would put Jupiter some 9 degrees off for the five years.
CoefficientBlock BuiltInJupiterBlock() {
  CoefficientBlock block;
  block.StartMJD = 47892.0f;
  block.Longitude = {1.678682f, 2.956725f, -0.414596f, 0.004826f, 0.299734f, -0.151349f, 0.029315f};
  block.Latitude = {-0.001669f, 0.067083f, -0.000759f, -0.10976f, 0.078191f, -0.029462f, 0.00711f};
  block.Radius = {5.150778f, 0.717884f, 0.187303f, -1.133334f, 0.310164f, 0.141854f, -0.042529f};
  return block;
}

void SetBlockSpan(PlanetBody& planet) {
  planet.BlockStart = static_cast<Real>(planet.Block.StartMJD) + kMJDOrigin;
  planet.BlockEnd = BlockEndJD(planet.BlockStart);
}

std::string OutOfRangeText(const PlanetBody& planet) {
  return "Epoch Date Out of Range for Planet " + planet.Name +
         "\r\n Available Ranges:\r\n Jupiter, Saturn -> +100.0..+2800.0"
         "\r\n Uranus, Neptune -> +1600.0..+2800.0";
}

std::string FileErrorText(const std::string& path, bool damaged) {
  return path + (damaged ? " Damaged!" : " Not Accessible!") +
         "\r\nEphemerides for Jupiter, Saturn, Uranus & Neptune"
         "\r\nAvailable only for 1-1-90 thru 12-31-94";
}

}  // namespace

PlanetBody::PlanetBody(std::uint8_t kind, Prompter* prompter)
    : CelestialBody(kind),
      CachedJD(std::numeric_limits<Real>::quiet_NaN()),
      Block(BuiltInJupiterBlock()),
      prompter_(prompter) {
  SetBlockSpan(*this);
}

Prompter& PlanetBody::Messages() const { return prompter_ ? *prompter_ : ProgramPrompter(); }

Real PlanetTimeArgument(PlanetBody& planet, Real jd) {
  planet.OutOfRange = false;
  planet.FileError = false;
  const Real jde = jd + DeltaT(jd);
  if (planet.BlockStart <= jde && jde <= planet.BlockEnd) {
    return BlockTimeArgument(planet.Block, jde);
  }
  const std::int32_t year = CalendarYear(jde);
  const OuterPlanetRange* range = FindOuterPlanet(planet.PlanetIndex);
  if (!range || year < range->FirstYear || year >= kEndYear) {
    planet.OutOfRange = true;
    planet.Messages().Tell(OutOfRangeText(planet), kOutOfRangeCaption, Icon::Stop);
    return 0;
  }
  const CoefficientRecordRead read = ReadCheckedCoefficientRecord(
      CoefficientFile(), CoefficientRecordNumber(*range, year), jde, planet.Block);
  if (read != CoefficientRecordRead::Read) {
    ReportCoefficientFileError(planet, read == CoefficientRecordRead::Damaged);
    return 0;
  }
  SetBlockSpan(planet);
  return BlockTimeArgument(planet.Block, jde);
}

void ReportCoefficientFileError(PlanetBody& planet, bool damaged) {
  planet.FileError = true;
  planet.Messages().Tell(FileErrorText(CoefficientFile(), damaged), kFileErrorCaption, Icon::Stop);
}

void PlanetBody::HeliocentricPosition(Real jd, PositionRec& pos, Real& r) {
  SetHeader(pos, jd);
  const Real t = PlanetTimeArgument(*this, jd);
  pos.Longitude = ReduceToTwoPi(EvaluateCoefficients(Block.Longitude, t));
  pos.Latitude = EvaluateCoefficients(Block.Latitude, t);
  r = EvaluateCoefficients(Block.Radius, t);
}

void PlanetBody::GeocentricPosition(Real jd, PositionRec& pos, Real& dist) {
  CachedJD = jd;
  PositionRec helio;
  Real r = 0;
  HeliocentricPosition(jd, helio, r);
  HelioDistance = r;

  const SunBody sun(kGeometric);
  const Real sun_longitude = SunLongitude(sun, jd);
  const Real R = SunRadius(sun, jd);
  SunDistance = R;

  const Real x =
      r * std::cos(helio.Latitude) * std::cos(helio.Longitude) + R * std::cos(sun_longitude);
  const Real y =
      r * std::cos(helio.Latitude) * std::sin(helio.Longitude) + R * std::sin(sun_longitude);
  const Real z = r * std::sin(helio.Latitude);
  const Real rho = std::sqrt(x * x + y * y);

  SetHeader(pos, jd);
  pos.Longitude = std::atan2(y, x);
  if (pos.Longitude == -kPi) pos.Longitude = kPi;  // atan2 of a negative zero
  pos.Latitude = std::atan2(z, rho);
  dist = std::sqrt(x * x + y * y + z * z);
  GeoDistance = dist;

  if (Kind == kApparent) {
    pos.Longitude += LongitudeCorrection(jd) + NutationInLongitude(jd);
    pos.Latitude += LatitudeCorrection(jd);
  }
}

bool PlanetBody::IsAvailable(Real jd) {
  PlanetTimeArgument(*this, jd);
  return !OutOfRange && !FileError;
}

Real PlanetBody::LongitudeCorrection(Real jd) {
  const Real U = TenMillenniaSinceJ2000(jd);
  return (-527.0_r + 978.0_r * std::cos(1.154_r + 57533.849_r * U) +
          89.0_r * std::cos(2.3_r + 115067.7_r * U) + 46.0_r * std::cos(4.64_r + 62830.76_r * U) +
          45.0_r * std::cos(0.76_r + 52236.94_r * U)) *
         1.0e-7_r;
}

Real PlanetBody::LatitudeCorrection(Real) { return 0; }

void PlanetBody::UpdateGeometry(Real jd) {
  if (jd != CachedJD) {
    // The geocentric position evaluates the heliocentric one itself; evaluating it once more
    // beforehand would only repeat a failure message.
    PositionRec pos;
    Real distance = 0;
    GeocentricPosition(jd, pos, distance);
    SunDistance = SunRadius(SunBody(kGeometric), jd);
  }
  const Real r = HelioDistance;
  const Real delta = GeoDistance;
  const Real R = SunDistance;
  CosPhase = (r * r + delta * delta - R * R) / (2 * r * delta);
  FiveLogRDelta = 5 * std::log(r * delta) / std::log(10.0_r);
}

Real PlanetBody::Magnitude(Real jd) {
  UpdateGeometry(jd);
  const Real i = std::acos(std::clamp(CosPhase, -1.0_r, 1.0_r)) / kRadiansPerDegree;
  return MagnitudeV0 + FiveLogRDelta + MagnitudeA1 * i + MagnitudeA2 * i * i +
         MagnitudeA3 * i * i * i;
}

void PlanetBody::EstimateConjunctionOpposition(Real jd) {
  DateTimeRec rec;
  rec.ZoneOffset = 0;
  SetFromJD(rec, jd);
  const Real j0 = DayOfYear(rec) + rec.Year * 365.2425_r + 1721060.0_r;
  const Real ko = std::nearbyint((j0 - OppositionEpoch) / SynodicPeriod);
  const Real kc = std::nearbyint((j0 - ConjunctionEpoch) / SynodicPeriod);
  NextOpposition = ko * SynodicPeriod + OppositionEpoch;
  NextConjunction = kc * SynodicPeriod + ConjunctionEpoch;
  if (NextConjunction > NextOpposition) NextOpposition = (ko + 1) * SynodicPeriod + OppositionEpoch;
  const Real d = std::fabs(NextOpposition - NextConjunction);
  BracketLow = NextOpposition - d;
  BracketHigh = NextOpposition + d;
}

}  // namespace jovi
