// The default hotlist shipped beside the program: whole 64-byte records in time order, and
// every comment true of its date by the program's own phenomena and satellite scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "almanac/mutual_events.h"
#include "astro/angles.h"
#include "astro/time_scales.h"
#include "lists/hotlist_dates.h"
#include "lists/hotlist_file.h"
#include "platform/program_dir.h"
#include "support/civil_dates.h"
#include "support/file_helpers.h"
#include "support/recording_prompter.h"
#include "util/date_serial.h"
#include "util/real.h"

namespace jovi {
namespace {

constexpr Real kDegree = kPi / 180.0_r;

class ShippedHotlist : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLeapSecondFile(ProgramDir() + "Leap Seconds.txt");
    path = ProgramDir() + "HotDates.htl";
  }
  std::string path;
  test::RecordingPrompter prompter;
};

TEST_F(ShippedHotlist, IsWholeRecordsInTimeOrder) {
  const std::string bytes = test::ReadAll(path);
  ASSERT_FALSE(bytes.empty()) << path;
  EXPECT_EQ(bytes.size() % kHotlistRecordSize, 0u);
  const HotlistFileRead read = ReadHotlistFile(path);
  ASSERT_TRUE(read.Ok());
  EXPECT_FALSE(read.partial_record);
  EXPECT_EQ(read.unusable_dates, 0);
  EXPECT_GE(read.entries.size(), 15u);
  EXPECT_LE(read.entries.size(), 30u);
  for (std::size_t i = 1; i < read.entries.size(); ++i) {
    EXPECT_LT(read.entries[i - 1].Serial, read.entries[i].Serial) << i;
  }
}

// The visible mutual event an entry's comment names, beginning a few minutes after its time.
std::optional<MutualEvent> MutualEventOf(const HotlistEntry& entry) {
  const Real jd = JDOfSerial(entry.Serial);
  const MutualSearch found = FindMutualEvents(jd, jd + 0.25_r, kDefaultMinimumDrop, false);
  for (const MutualEvent& m : found.events) {
    if (MutualEventComment(m) != entry.Comment) continue;
    const Real lead_minutes = (m.begin - jd) * 1440;
    if (lead_minutes >= 5 && lead_minutes < 6) return m;
  }
  return std::nullopt;
}

TEST_F(ShippedHotlist, HoldsTheDeepestMutualEventsNearTheSeasonsOpposition) {
  const HotlistFileRead read = ReadHotlistFile(path);
  ASSERT_TRUE(read.Ok());
  std::optional<Real> opposition;
  std::vector<MutualEvent> listed;
  for (const HotlistEntry& e : read.entries) {
    const CivilDateTime when = CivilFromSerial(e.Serial);
    if (e.Comment == hotlist_comment::kOpposition && when.year == 2027) {
      opposition = JDOfSerial(e.Serial);
    }
    if (const auto m = MutualEventOf(e)) {
      SCOPED_TRACE(HotlistLineText(e, true));
      EXPECT_LE(e.Comment.size(), kHotlistCommentLength);
      EXPECT_FALSE(m->Hidden());
      listed.push_back(*m);
    }
  }
  ASSERT_TRUE(opposition);
  EXPECT_GE(listed.size(), 3u);
  EXPECT_LE(listed.size(), 5u);
  // None deeper left out, within a month of the opposition (2027 February 11).
  EXPECT_LT(std::fabs(*opposition - test::CivilJD(2027, 2, 11, 0, 0)), 1.5_r);
  const MutualSearch season = FindMutualEvents(
      *opposition - kMutualSeasonDays, *opposition + kMutualSeasonDays, kDefaultMinimumDrop, false);
  ASSERT_FALSE(season.failed);
  Real shallowest = 1;
  for (const MutualEvent& m : listed) {
    EXPECT_LE(std::fabs(m.middle - *opposition), kMutualSeasonDays) << m.Code();
    EXPECT_GE(m.light_lost, 0.3_r) << m.Code();  // deep enough to see the moon fade
    shallowest = std::min(shallowest, m.light_lost);
  }
  const auto deeper =
      std::count_if(season.events.begin(), season.events.end(),
                    [&](const MutualEvent& m) { return m.light_lost > shallowest; });
  EXPECT_EQ(static_cast<std::size_t>(deeper) + 1, listed.size());
}

TEST_F(ShippedHotlist, EveryCommentIsTrueOfItsDate) {
  namespace c = hotlist_comment;
  const HotlistFileRead read = ReadHotlistFile(path);
  ASSERT_TRUE(read.Ok());
  int eclipses = 0;
  for (const HotlistEntry& e : read.entries) {
    const Real jd = JDOfSerial(e.Serial);
    const CivilDateTime when = CivilFromSerial(e.Serial);
    SCOPED_TRACE(HotlistLineText(e, true));
    EXPECT_EQ(when.second, 0);
    if (std::string_view(e.Comment).starts_with("Io in eclipse")) {
      ++eclipses;
      EXPECT_TRUE(IoEclipseInView(jd, prompter)) << "Io is not seen eclipsed";
    }
    const auto elongation = [&](Real target) {
      return std::fabs(ElongationFrom(target, jd, prompter)) / kDegree;
    };
    if (e.Comment == c::kOpposition) {
      EXPECT_LT(elongation(kPi), 1.5_r);
      EXPECT_EQ(when.hour, 0);
    } else if (e.Comment == c::kAfterOpposition) {
      EXPECT_GT(elongation(kPi), 12.0_r);
      EXPECT_LT(elongation(kPi), 22.0_r);
      // Moving away from opposition: a day earlier it was closer.
      EXPECT_LT(std::fabs(ElongationFrom(kPi, jd - 1, prompter)) / kDegree, elongation(kPi));
    } else if (e.Comment == c::kEastQuadrature) {
      EXPECT_LT(elongation(kPi / 2), 3.0_r);
    } else if (e.Comment == c::kWestQuadrature) {
      EXPECT_LT(elongation(-kPi / 2), 3.0_r);
    } else if (e.Comment == c::kLightTime1676) {
      EXPECT_EQ(when.year, 1676);
      EXPECT_EQ(when.month, 11);
    } else if (e.Comment == c::kDiscovery1610) {
      EXPECT_EQ(when.year, 1610);
      EXPECT_EQ(when.month, 1);
    } else if (!MutualEventOf(e)) {
      ADD_FAILURE() << "a comment nothing checks";
    }
  }
  EXPECT_GE(eclipses, 10);
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace jovi
