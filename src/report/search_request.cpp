#include "report/search_request.h"

#include "util/utf8_text.h"

namespace jovi {

bool PressSearchButton(SearchRequest& request, std::string_view edit_text, bool case_dependent,
                       SearchStart button) {
  request.SearchText = Utf8Prefix(edit_text, kMaxSearchText);
  request.CaseDependent = case_dependent;
  request.StartMode = request.SearchText.empty() ? SearchStart::Cancelled : button;
  return request.StartMode != SearchStart::Cancelled;
}

}  // namespace jovi
