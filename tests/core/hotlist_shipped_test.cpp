// The default hotlist shipped beside the program: whole 64-byte records in time order, and
// every comment true of its date by the program's own phenomena and satellite scene.
#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "astro/angles.h"
#include "astro/date_serial.h"
#include "astro/time_scales.h"
#include "lists/hotlist_dates.h"
#include "lists/hotlist_file.h"
#include "platform/program_dir.h"
#include "support/file_helpers.h"
#include "support/recording_prompter.h"

namespace jovi {
namespace {

constexpr long double kDegree = kPi / 180.0L;

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

TEST_F(ShippedHotlist, EveryCommentIsTrueOfItsDate) {
  namespace c = hotlist_comment;
  const HotlistFileRead read = ReadHotlistFile(path);
  ASSERT_TRUE(read.Ok());
  int eclipses = 0;
  for (const HotlistEntry& e : read.entries) {
    const long double jd = JDOfSerial(e.Serial);
    const CivilDateTime when = CivilFromSerial(e.Serial);
    SCOPED_TRACE(HotlistLineText(e, true));
    EXPECT_EQ(when.second, 0);
    if (std::string_view(e.Comment).starts_with("Io in eclipse")) {
      ++eclipses;
      EXPECT_TRUE(IoEclipseInView(jd, prompter)) << "Io is not seen eclipsed";
    }
    const auto elongation = [&](long double target) {
      return std::fabs(ElongationFrom(target, jd, prompter)) / kDegree;
    };
    if (e.Comment == c::kOpposition) {
      EXPECT_LT(elongation(kPi), 1.5L);
      EXPECT_EQ(when.hour, 0);
    } else if (e.Comment == c::kAfterOpposition) {
      EXPECT_GT(elongation(kPi), 12.0L);
      EXPECT_LT(elongation(kPi), 22.0L);
      // Moving away from opposition: a day earlier it was closer.
      EXPECT_LT(std::fabs(ElongationFrom(kPi, jd - 1, prompter)) / kDegree, elongation(kPi));
    } else if (e.Comment == c::kEastQuadrature) {
      EXPECT_LT(elongation(kPi / 2), 3.0L);
    } else if (e.Comment == c::kWestQuadrature) {
      EXPECT_LT(elongation(-kPi / 2), 3.0L);
    } else if (e.Comment == c::kLightTime1676) {
      EXPECT_EQ(when.year, 1676);
      EXPECT_EQ(when.month, 11);
    } else if (e.Comment == c::kDiscovery1610) {
      EXPECT_EQ(when.year, 1610);
      EXPECT_EQ(when.month, 1);
    } else {
      ADD_FAILURE() << "a comment nothing checks";
    }
  }
  EXPECT_GE(eclipses, 10);
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace jovi
