#include "report/line_search.h"

#include <gtest/gtest.h>

#include "report/search_request.h"

namespace jovi {
namespace {

const std::vector<std::string> kLines = {
    "  RELATED TOPICS",   // 0
    "Io and Europa",      // 1
    "   Ganymede",        // 2
    "the orbit of Jupiter's",  // 3
    "  moons: Callisto",  // 4
    "end",                // 5
};

TEST(SearchLines, FindsTheLineWhereTheTextStarts) {
  const struct {
    const char* name;
    SearchStart start;
    int highlighted;
    const char* needle;
    bool case_dependent;
    std::optional<std::size_t> found;
  } cases[] = {
      {"from top", SearchStart::FromTop, -1, "ganymede", false, 2},
      {"leading blanks ignored", SearchStart::FromTop, -1, "related topics", false, 0},
      {"across lines 3 and 4, starts in 3", SearchStart::FromTop, -1, "jupiter's moons", false, 3},
      {"starts at the joining blank: the next line", SearchStart::FromTop, -1, " moons", false, 4},
      {"only in the appended part: the next line", SearchStart::FromTop, -1, "callisto", false, 4},
      {"from cursor skips the highlighted line", SearchStart::FromCursor, 2, "e", false, 3},
      {"from cursor, second-to-last: only the last", SearchStart::FromCursor, 4, "callisto",
       false, std::nullopt},
      {"from cursor, second-to-last finds the last", SearchStart::FromCursor, 4, "end", false, 5},
      {"case dependent misses", SearchStart::FromTop, -1, "ganymede", true, std::nullopt},
      {"case dependent hits", SearchStart::FromTop, -1, "Ganymede", true, 2},
      {"needle lowered too", SearchStart::FromTop, -1, "EUROPA", false, 1},
      {"not found", SearchStart::FromTop, -1, "saturn", false, std::nullopt},
      {"cancelled", SearchStart::Cancelled, -1, "io", false, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SearchLines(kLines, c.start, c.highlighted, c.needle, c.case_dependent), c.found)
        << c.name;
  }
  EXPECT_EQ(SearchLines({}, SearchStart::FromTop, -1, "x", false), std::nullopt);
  EXPECT_EQ(SearchLines({"only"}, SearchStart::FromTop, -1, "nly", false), 0u);
}

TEST(SearchRequest, AnEmptyTextCancelsAndIsKept) {
  SearchRequest request;
  EXPECT_EQ(request.StartMode, SearchStart::Cancelled);
  EXPECT_TRUE(PressSearchButton(request, "Io", true, SearchStart::FromCursor));
  EXPECT_EQ(request.StartMode, SearchStart::FromCursor);
  EXPECT_EQ(request.SearchText, "Io");
  EXPECT_TRUE(request.CaseDependent);

  EXPECT_FALSE(PressSearchButton(request, "", false, SearchStart::FromTop));
  EXPECT_EQ(request.StartMode, SearchStart::Cancelled);
  EXPECT_EQ(request.SearchText, "");
  EXPECT_FALSE(request.CaseDependent);

  EXPECT_TRUE(PressSearchButton(request, std::string(100, 'x'), false, SearchStart::FromTop));
  EXPECT_EQ(request.SearchText.size(), kMaxSearchText);
}

}  // namespace
}  // namespace jovi
