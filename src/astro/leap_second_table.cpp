#include "astro/leap_second_table.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "util/float_chars.h"
#include "util/io_error.h"
#include "util/real.h"
#include "util/text_file.h"

namespace jovi {

namespace {

constexpr std::string_view kCaption = "File Error";
constexpr std::string_view kInternalTable = "Will use internal table.  (May not be up-to-date).";

struct BuiltInRow {
  float jd_minus_2400000;
  std::int32_t seconds;
};

// TAI - UTC from 1972 January 1 (10 s) through 2009 January 1 (34 s), oldest first.
constexpr std::array<BuiltInRow, 25> kBuiltInRows = {{
    {41317.5f, 10}, {41499.5f, 11}, {41683.5f, 12}, {42048.5f, 13}, {42413.5f, 14},
    {42778.5f, 15}, {43144.5f, 16}, {43509.5f, 17}, {43874.5f, 18}, {44239.5f, 19},
    {44786.5f, 20}, {45151.5f, 21}, {45516.5f, 22}, {46247.5f, 23}, {47161.5f, 24},
    {47892.5f, 25}, {48257.5f, 26}, {48804.5f, 27}, {49169.5f, 28}, {49534.5f, 29},
    {50083.5f, 30}, {50630.5f, 31}, {51179.5f, 32}, {53736.5f, 33}, {54832.5f, 34},
}};

bool IsSkippable(char c) { return c == ' ' || c == '\t' || c == ','; }

// Skips blanks and commas, then reads one finite number.
std::optional<Real> TakeNumber(std::string_view& rest) {
  while (!rest.empty() && IsSkippable(rest.front())) rest.remove_prefix(1);
  Real value = 0;
  const auto [end, ec] = FloatFromChars(rest.data(), rest.data() + rest.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
  return value;
}

bool IsBlank(std::string_view s) {
  return s.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<LeapSecondEntry> ParseDataLine(std::string_view line) {
  const auto jd = TakeNumber(line);
  if (!jd) return std::nullopt;
  const auto seconds = TakeNumber(line);
  if (!seconds || !IsBlank(line)) return std::nullopt;
  if (*jd < kFirstLeapSecondJD || *jd > kLastLeapSecondJD ||
      std::fabs(*seconds) > kMostLeapSeconds) {
    return std::nullopt;  // not a leap-second entry: a damaged line
  }
  return LeapSecondEntry{*jd, *seconds};
}

}  // namespace

LeapSecondList BuiltInLeapSeconds() {
  LeapSecondList list;
  for (auto it = kBuiltInRows.rbegin(); it != kBuiltInRows.rend(); ++it) {
    list.InsertAfterCursor({it->jd_minus_2400000 + 2400000.0_r,
                            static_cast<Real>(it->seconds)});
  }
  return list;
}

void LeapSecondTable::LoadBuiltIn() {
  list_ = BuiltInLeapSeconds();
  from_file_ = false;
}

void LeapSecondTable::Load(Prompter& prompter) {
  const TextFileLines file = ReadTextLines(path_);
  if (!file.Ok()) {
    prompter.Tell("Cannot Access Leap Second File " + path_ + "\r\n" + std::string(kInternalTable) +
                      "\r\n\r\n" + IoErrorText(file.code),
                  kCaption, Icon::Exclamation);
    LoadBuiltIn();
    return;
  }

  int bad_lines = 0;
  std::size_t first_bad = 0;
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    const std::string& line = file.lines[i];
    if (line.find("**") != std::string::npos || IsBlank(line)) continue;
    if (const auto entry = ParseDataLine(line)) {
      list_.InsertAfterCursor(*entry);  // the cursor stays on the tail: appended in file order
    } else if (bad_lines++ == 0) {
      first_bad = i;
    }
  }

  if (bad_lines > 0) {
    std::string text = "Leap Second File " + path_ + "\r\nLine " + std::to_string(first_bad + 1) +
                       " is not a Julian date and a number of seconds:\r\n\"" +
                       file.lines[first_bad] + "\"";
    text += bad_lines == 1 ? "\r\nThe line was skipped."
                           : "\r\n" + std::to_string(bad_lines) + " such lines were skipped.";
    prompter.Tell(text, kCaption, Icon::Exclamation);
  }
  if (list_.IsEmpty()) {
    prompter.Tell("Leap Second File " + path_ + " holds no data lines.\r\n" +
                      std::string(kInternalTable),
                  kCaption, Icon::Exclamation);
    LoadBuiltIn();
    return;
  }
  from_file_ = true;
}

Real LeapSecondTable::SecondsAt(Real jd, Prompter& prompter) {
  if (list_.IsEmpty()) Load(prompter);
  Real seconds = 0;
  list_.Reset();
  while (const LeapSecondEntry* e = list_.Next()) {
    seconds = e->Seconds;  // ends on the oldest when none qualifies
    if (e->JD <= jd) break;
  }
  return seconds;
}

}  // namespace jovi
