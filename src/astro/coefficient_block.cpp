#include "astro/coefficient_block.h"

#include "util/real.h"

namespace jovi {

namespace {

void WriteSet(LeWriter& out, const Coefficients& c) {
  for (float v : c) out.F32(v);
}

Coefficients ReadSet(LeReader& in) {
  Coefficients c{};
  for (float& v : c) v = in.F32();
  return c;
}

}  // namespace

void WriteCoefficientBlock(LeWriter& out, const CoefficientBlock& block) {
  out.F32(block.StartMJD);
  WriteSet(out, block.Longitude);
  WriteSet(out, block.Latitude);
  WriteSet(out, block.Radius);
}

CoefficientBlock ReadCoefficientBlock(LeReader& in) {
  CoefficientBlock block;
  block.StartMJD = in.F32();
  block.Longitude = ReadSet(in);
  block.Latitude = ReadSet(in);
  block.Radius = ReadSet(in);
  return block;
}

Real EvaluateCoefficients(const Coefficients& c, Real t) {
  Real sum = 0;
  for (std::size_t i = c.size(); i-- > 0;) sum = sum * t + static_cast<Real>(c[i]);
  return sum;
}

Real BlockTimeArgument(const CoefficientBlock& block, Real jde) {
  return (jde - kMJDOrigin - static_cast<Real>(block.StartMJD)) / kDaysPerTimeUnit;
}

}  // namespace jovi
