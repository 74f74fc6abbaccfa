#include "astro/vsop87.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "util/float_chars.h"
#include "util/io_error.h"
#include "util/real.h"
#include "util/text_file.h"

namespace jovi {

namespace {

constexpr Real kDaysPerMillennium = 365250.0_r;

Real MillenniaFromJ2000(Real jde) { return (jde - 2451545.0_r) / kDaysPerMillennium; }

struct RawTerm {
  std::uint8_t sum;
  Real a, b, c;
};

void SkipBlanks(std::string_view& s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
}

std::optional<Real> TakeNumber(std::string_view& s) {
  SkipBlanks(s);
  Real v = 0;
  const auto [end, ec] = FloatFromChars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  s.remove_prefix(static_cast<std::size_t>(end - s.data()));
  return v;
}

std::optional<RawTerm> ParseTerm(std::string_view s) {
  SkipBlanks(s);
  if (s.empty()) return std::nullopt;
  const std::string_view variables = "LBR";
  const std::size_t variable = variables.find(s.front());
  if (variable == std::string_view::npos) return std::nullopt;
  s.remove_prefix(1);
  const auto power = TakeNumber(s);
  const auto a = TakeNumber(s);
  const auto b = TakeNumber(s);
  const auto c = TakeNumber(s);
  SkipBlanks(s);
  if (!power || !a || !b || !c || !s.empty()) return std::nullopt;
  if (*power < 0 || *power >= kVsop87Powers || *power != std::trunc(*power)) return std::nullopt;
  return RawTerm{
      static_cast<std::uint8_t>(variable * kVsop87Powers + static_cast<std::size_t>(*power)), *a,
      *b, *c};
}

bool IsComment(std::string_view line) {
  SkipBlanks(line);
  return line.empty() || line.front() == '#';
}

}  // namespace

Vsop87Load Vsop87Series::Load(const std::string& path) {
  Vsop87Load result;
  const TextFileLines file = ReadTextLines(path);
  if (!file.Ok()) {
    result.error = path + ": " + IoErrorText(file.code);
    return result;
  }
  std::vector<RawTerm> raw;
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    if (IsComment(file.lines[i])) continue;
    const auto term = ParseTerm(file.lines[i]);
    if (!term) {
      result.error = path + ":" + std::to_string(i + 1) + ": not a series term";
      return result;
    }
    raw.push_back(*term);
  }
  if (raw.empty()) {
    result.error = path + ": no series terms";
    return result;
  }
  std::stable_sort(raw.begin(), raw.end(),
                   [](const RawTerm& x, const RawTerm& y) { return x.c < y.c; });
  Vsop87Series& series = result.series;
  for (const RawTerm& t : raw) {
    if (series.frequencies_.empty() || series.frequencies_.back().c != t.c) {
      series.frequencies_.push_back({t.c, series.terms_.size(), 0});
    }
    ++series.frequencies_.back().count;
    series.terms_.push_back({t.a * std::cos(t.b), t.a * std::sin(t.b), t.sum});
  }
  return result;
}

Vsop87Position Vsop87Series::At(Real jde) const {
  const Real T = MillenniaFromJ2000(jde);
  Sums sums{};
  for (const Frequency& f : frequencies_) {
    const Real angle = f.c * T;
    Accumulate(f, std::cos(angle), std::sin(angle), sums);
  }
  return Combine(sums, T);
}

Vsop87Grid Vsop87Series::Grid(const std::vector<Real>& offsets_days) const {
  Vsop87Grid grid;
  grid.frequencies_ = frequencies_.size();
  for (Real d : offsets_days) grid.offsets_.push_back(d / kDaysPerMillennium);
  const std::size_t n = grid.offsets_.size();
  grid.cos_.resize(frequencies_.size() * n);
  grid.sin_.resize(frequencies_.size() * n);
  for (std::size_t f = 0; f < frequencies_.size(); ++f) {
    for (std::size_t j = 0; j < n; ++j) {
      const Real angle = frequencies_[f].c * grid.offsets_[j];
      grid.cos_[f * n + j] = std::cos(angle);
      grid.sin_[f * n + j] = std::sin(angle);
    }
  }
  return grid;
}

std::vector<Vsop87Position> Vsop87Series::At(const Vsop87Grid& grid, Real jde0) const {
  if (grid.frequencies_ != frequencies_.size()) return {};
  const Real T0 = MillenniaFromJ2000(jde0);
  const std::size_t n = grid.Size();
  std::vector<Sums> sums(n, Sums{});
  for (std::size_t f = 0; f < frequencies_.size(); ++f) {
    const Real angle = frequencies_[f].c * T0;
    const Real cos0 = std::cos(angle);
    const Real sin0 = std::sin(angle);
    for (std::size_t j = 0; j < n; ++j) {
      // cos and sin of C (T0 + offset) by the addition theorems.
      const Real cg = grid.cos_[f * n + j];
      const Real sg = grid.sin_[f * n + j];
      Accumulate(frequencies_[f], cos0 * cg - sin0 * sg, sin0 * cg + cos0 * sg, sums[j]);
    }
  }
  std::vector<Vsop87Position> positions(n);
  for (std::size_t j = 0; j < n; ++j) positions[j] = Combine(sums[j], T0 + grid.offsets_[j]);
  return positions;
}

void Vsop87Series::Accumulate(const Frequency& f, Real cos_ct, Real sin_ct,
                              Sums& sums) const {
  for (std::size_t i = f.first; i < f.first + f.count; ++i) {
    const Term& term = terms_[i];
    sums[term.sum] += term.a_cos_b * cos_ct - term.a_sin_b * sin_ct;
  }
}

Vsop87Position Vsop87Series::Combine(const Sums& sums, Real T) {
  const auto variable = [&](std::size_t v) {
    Real value = 0;
    for (std::size_t p = kVsop87Powers; p-- > 0;) value = value * T + sums[v * kVsop87Powers + p];
    return value;
  };
  return {variable(0), variable(1), variable(2)};
}

}  // namespace jovi
