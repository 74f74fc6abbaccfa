// The Moon Events window's search, which the desktop and the browser share: the span clamped
// to the window's limits, every moon's events the almanac finds (hidden ones included), and
// the mutual events merged among them in time order only when asked for.
#include <gtest/gtest.h>

#include <algorithm>

#include "almanac/almanac_search.h"
#include "almanac/mutual_events.h"
#include "util/prompter.h"

namespace jovi {
namespace {

// 2027 January, a season of mutual events (Jupiter's equinox of 2026-2027).
constexpr Real kFrom = 2461406.5_r;

TEST(AlmanacSearch, IsTheAlmanacsEventsWithMutualOnesOnlyWhenAsked) {
  SilentPrompter prompter;
  MoonEventQuery query;
  query.from_ut = kFrom;
  query.to_ut = kFrom + 7;
  query.include_hidden = true;
  const MoonEventList almanac = FindMoonEvents(query, prompter);
  ASSERT_TRUE(almanac.Ok());

  const AlmanacSearch plain = SearchAlmanac(kFrom, 7, false, prompter);
  EXPECT_EQ(plain.days, 7);
  EXPECT_TRUE(plain.error.empty());
  ASSERT_EQ(plain.found.size(), almanac.events.size());
  for (std::size_t i = 0; i < plain.found.size(); ++i) {
    EXPECT_EQ(plain.found[i].jd, almanac.events[i].jd);
    EXPECT_EQ(plain.found[i].moon, almanac.events[i].moon);
  }

  const AlmanacSearch with_mutual = SearchAlmanac(kFrom, 7, true, prompter);
  const MutualSearch mutual = FindMutualEvents(kFrom, kFrom + 7, kDefaultMinimumDrop, true);
  ASSERT_FALSE(mutual.events.empty());
  EXPECT_EQ(with_mutual.found.size(), almanac.events.size() + mutual.events.size());
  EXPECT_TRUE(std::is_sorted(with_mutual.found.begin(), with_mutual.found.end(),
                             [](const MoonEvent& a, const MoonEvent& b) { return a.jd < b.jd; }));
}

TEST(AlmanacSearch, SpanIsClampedToOneDayToOneYear) {
  SilentPrompter prompter;
  EXPECT_EQ(SearchAlmanac(kFrom, 0, false, prompter).days, 1);
  EXPECT_EQ(SearchAlmanac(kFrom, -5, false, prompter).days, 1);
  EXPECT_EQ(SearchAlmanac(kFrom, 400, false, prompter).days, 366);
}

}  // namespace
}  // namespace jovi
