// The moons' almanac against published predictions: every event of a table's days present,
// no event seen from the Earth that the table lacks, and every time near the printed minute.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/moon_events.h"
#include "astro/coefficient_file.h"
#include "astro/time_scales.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "util/real.h"
#include "util/text_file.h"

namespace jovi {
namespace {

struct Published {
  Real jd;  // UT of the printed minute
  std::string code;
};

struct Table {
  Real first_day = 0, last_day = 0;  // 0h UT of the first and of the last day
  std::vector<Published> events;
};

Real DayJD(const std::string& date, int hour = 0, int minute = 0) {
  int y = 0, m = 0, d = 0;
  char slash = 0;
  std::istringstream(date) >> y >> slash >> m >> slash >> d;
  return test::CivilJD(y, m, d, hour, minute);
}

Table ReadTable(const std::string& name) {
  Table table;
  const TextFileLines file = ReadTextLines(std::string(JOVI_TEST_FIXTURES) + "/almanac/" + name);
  for (const std::string& line : file.lines) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string first, second, third;
    in >> first >> second >> third;
    if (first == "days") {
      table.first_day = DayJD(second);
      table.last_day = DayJD(third);
      continue;
    }
    const int hour = std::stoi(second.substr(0, 2));
    const int minute = std::stoi(second.substr(3, 2));
    table.events.push_back({DayJD(first, hour, minute), third});
  }
  return table;
}

class PublishedPhenomena : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    SetCoefficientFile(ProgramDir() + "Outer_Pl_Tbl.dat");
  }
};

// Within two minutes of the printed minute's half-minute of rounding. The largest departures
// are of the slow outer moons at an oblique limb (Callisto's occultation of 2016 January 3
// ends 2.2 minutes before the printed minute) and shadow ingresses: the scene puts a shadow on
// the disc when it touches the planet as seen from the Sun, while a published ingress is when
// the shadow reaches the limb seen from the Earth, up to two minutes later.
constexpr Real kTolerance = 2.5_r / 1440;

TEST_P(PublishedPhenomena, EveryEventWithinTwoMinutesAndNoneMissingOrExtra) {
  const Table table = ReadTable(GetParam());
  ASSERT_GT(table.events.size(), 40u);
  MoonEventQuery query;
  query.from_ut = table.first_day;
  query.to_ut = table.last_day + 1 - 1.0_r / 86400;
  SilentPrompter silent;
  const MoonEventList list = FindMoonEvents(query, silent);
  ASSERT_TRUE(list.Ok()) << list.error;

  std::vector<bool> matched(list.events.size(), false);
  std::vector<Real> differences;
  for (const Published& p : table.events) {
    std::size_t best = list.events.size();
    for (std::size_t i = 0; i < list.events.size(); ++i) {
      if (matched[i] || MoonEventCode(list.events[i]) != p.code) continue;
      if (best == list.events.size() ||
          std::fabs(list.events[i].jd - p.jd) < std::fabs(list.events[best].jd - p.jd)) {
        best = i;
      }
    }
    ASSERT_NE(best, list.events.size()) << "not found: " << p.code;
    const Real difference = list.events[best].jd - p.jd;
    EXPECT_LE(std::fabs(difference), kTolerance)
        << p.code << " at " << static_cast<double>(p.jd) << ": "
        << static_cast<double>(difference * 1440) << " min";
    matched[best] = true;
    differences.push_back(std::fabs(difference) * 1440);
  }
  for (std::size_t i = 0; i < list.events.size(); ++i) {
    EXPECT_TRUE(matched[i]) << "not in the table: " << MoonEventCode(list.events[i]) << " at "
                            << static_cast<double>(list.events[i].jd);
  }
  std::sort(differences.begin(), differences.end());
  const Real median = differences[differences.size() / 2];
  EXPECT_LT(median, 0.75_r) << "minutes";
}

INSTANTIATE_TEST_SUITE_P(SkyAndTelescope, PublishedPhenomena,
                         ::testing::Values("phenomena-2016-01.txt", "phenomena-2019-01.txt"));

}  // namespace
}  // namespace jovi
