// What the search-string dialog leaves behind for its caller, kept between uses.
#pragma once

#include <string>
#include <string_view>

#include "report/line_search.h"

namespace jovi {

struct SearchRequest {
  std::string SearchText;  // at most 80 characters
  SearchStart StartMode = SearchStart::Cancelled;
  bool CaseDependent = false;
};

inline constexpr std::size_t kMaxSearchText = 80;

// "From Top" (FromTop) or "From Cursor" (FromCursor) pressed with the edit's text and the
// "Case Dependent" box: true when the dialog closes with OK. An empty text cancels.
bool PressSearchButton(SearchRequest& request, std::string_view edit_text, bool case_dependent,
                       SearchStart button);

}  // namespace jovi
