#include "astro/galilean_series.h"

#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>

#include "kGalileanArgumentsCsv.inc"
#include "kGalileanTermsCsv.inc"
#include "util/float_chars.h"
#include "util/real.h"
#include "util/trig.h"

namespace jovi {

namespace {

constexpr Real kDegree = std::numbers::pi_v<Real> / 180.0_r;

[[noreturn]] void Fail(std::string_view what, std::string_view line) {
  throw std::runtime_error(std::string(what) + ": " + std::string(line));
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

Real Number(std::string_view text, std::string_view line) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  Real v = 0;
  const auto [end, ec] = FloatFromChars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) Fail("not a number", line);
  return v;
}

// Splits a line at commas.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t comma = line.find(',');
    fields.push_back(Trim(line.substr(0, comma)));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

// Calls f for every data line: not a comment, not blank, not the heading.
template <typename F>
void ForEachDataLine(std::string_view csv, std::string_view heading_start, F&& f) {
  while (!csv.empty()) {
    const std::size_t end = csv.find('\n');
    const std::string_view line = Trim(csv.substr(0, end));
    csv.remove_prefix(end == std::string_view::npos ? csv.size() : end + 1);
    if (line.empty() || line.front() == '#' || line.starts_with(heading_start)) continue;
    f(line);
  }
}

const std::map<std::string_view, GalileanAngle>& AngleNames() {
  static const std::map<std::string_view, GalileanAngle> names = {
      {"l1", GalileanAngle::l1},     {"l2", GalileanAngle::l2},
      {"l3", GalileanAngle::l3},     {"l4", GalileanAngle::l4},
      {"pi1", GalileanAngle::pi1},   {"pi2", GalileanAngle::pi2},
      {"pi3", GalileanAngle::pi3},   {"pi4", GalileanAngle::pi4},
      {"w1", GalileanAngle::w1},     {"w2", GalileanAngle::w2},
      {"w3", GalileanAngle::w3},     {"w4", GalileanAngle::w4},
      {"psi", GalileanAngle::psi},   {"G", GalileanAngle::G},
      {"Gdash", GalileanAngle::Gdash}, {"PI", GalileanAngle::PI},
      {"PHI_lambda", GalileanAngle::PHI_lambda},
      {"L1", GalileanAngle::L1},     {"L2", GalileanAngle::L2},
      {"L3", GalileanAngle::L3},     {"L4", GalileanAngle::L4},
      {"S1", GalileanAngle::S1},     {"S2", GalileanAngle::S2},
      {"S3", GalileanAngle::S3},     {"S4", GalileanAngle::S4},
  };
  return names;
}

// "3*L1 - 4*l2 - 1.9927*S1 + w2", "5*Gdash - 2*G + 52.225deg"
void ParseArgument(std::string_view text, SeriesTerm& term, std::string_view line) {
  Real sign = 1;
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      sign = text[pos] == '-' ? -1 : 1;
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < text.size() && text[end] != ' ' && text[end] != '+' &&
           !(text[end] == '-' && end > pos)) {
      ++end;
    }
    std::string_view factor = text.substr(pos, end - pos);
    pos = end;
    if (factor.empty()) Fail("empty argument term", line);
    if (factor.ends_with("deg")) {
      factor.remove_suffix(3);
      term.phase += sign * Number(factor, line) * kDegree;
    } else {
      Real multiple = 1;
      const std::size_t star = factor.find('*');
      if (star != std::string_view::npos) {
        multiple = Number(factor.substr(0, star), line);
        factor.remove_prefix(star + 1);
      }
      const auto it = AngleNames().find(factor);
      if (it == AngleNames().end()) Fail("unknown angle", line);
      if (term.part_count == term.parts.size()) Fail("too many angles", line);
      term.parts[term.part_count++] = {it->second, sign * multiple};
    }
    sign = 1;
  }
  if (term.part_count == 0) Fail("argument without an angle", line);
}

}  // namespace

GalileanSeries ParseGalileanSeries(std::string_view csv) {
  GalileanSeries series;
  ForEachDataLine(csv, "series,", [&](std::string_view line) {
    const auto f = Fields(line);
    if (f.size() != 5) Fail("expected five fields", line);
    const std::string_view kind = f[0].substr(0, 3);
    const int moon = f[0].size() == 4 ? f[0][3] - '1' : -1;
    if (moon < 0 || moon > 3) Fail("unknown series", line);
    SeriesTerm term;
    term.coefficient = Number(f[2], line);
    if (f[3] != "sin" && f[3] != "cos") Fail("function is neither sin nor cos", line);
    term.sine = f[3] == "sin";
    ParseArgument(f[4], term, line);
    const auto index = static_cast<std::size_t>(moon);
    if (kind == "lon") {
      term.coefficient *= kDegree;
      series.longitude[index].push_back(term);
    } else if (kind == "lat") {
      series.latitude[index].push_back(term);
    } else if (kind == "rad") {
      series.radius[index].push_back(term);
    } else {
      Fail("unknown series", line);
    }
  });
  return series;
}

GalileanArguments ParseGalileanArguments(std::string_view csv) {
  GalileanArguments args;
  std::map<std::string_view, SecularArgument*> slots = {
      {"l1", &args.l[0]},   {"l2", &args.l[1]},   {"l3", &args.l[2]},   {"l4", &args.l[3]},
      {"pi1", &args.pi[0]}, {"pi2", &args.pi[1]}, {"pi3", &args.pi[2]}, {"pi4", &args.pi[3]},
      {"w1", &args.w[0]},   {"w2", &args.w[1]},   {"w3", &args.w[2]},   {"w4", &args.w[3]},
      {"PHI_lambda", &args.phi_lambda}, {"psi", &args.psi}, {"Gdash", &args.g_dash},
  };
  ForEachDataLine(csv, "name,", [&](std::string_view line) {
    const auto f = Fields(line);
    if (f.size() != 3) Fail("expected three fields", line);
    const auto it = slots.find(f[0]);
    if (it == slots.end()) Fail("unknown argument", line);
    *it->second = {Number(f[1], line), Number(f[2], line)};
    slots.erase(it);
  });
  if (!slots.empty()) Fail("missing argument", slots.begin()->first);
  return args;
}

const GalileanSeries& GalileanTerms() {
  static const GalileanSeries series = ParseGalileanSeries(kGalileanTermsCsv);
  return series;
}

const GalileanArguments& GalileanSecularArguments() {
  static const GalileanArguments args = ParseGalileanArguments(kGalileanArgumentsCsv);
  return args;
}

Real EvaluateSeries(const Series& series, const GalileanAngles& angles) {
  Real sum = 0;
  for (const SeriesTerm& term : series) {
    Real argument = term.phase;
    for (std::uint8_t i = 0; i < term.part_count; ++i) {
      argument += term.parts[i].multiple * angles[static_cast<std::size_t>(term.parts[i].angle)];
    }
    sum += term.coefficient * (term.sine ? Sin(argument) : Cos(argument));
  }
  return sum;
}

}  // namespace jovi
