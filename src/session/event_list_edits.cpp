#include "session/event_list_edits.h"

#include <algorithm>

#include "journal/journal_format.h"
#include "session/event_csv.h"

namespace jovi {

bool EventListEdits::SetText(int index, const std::string& text) {
  if (index < 0 || index > list_.LastIndex()) return false;
  EventList before = list_;
  list_.ItemAt(index)->Event = EventTextOf(text);
  before_ = std::move(before);
  return true;
}

bool EventListEdits::Delete(int index) {
  if (index < 0 || index > list_.LastIndex()) return false;
  EventList before = list_;
  list_.ItemAt(index);
  list_.DeleteAtCursor();
  before_ = std::move(before);
  return true;
}

bool EventListEdits::Undo() {
  if (!before_) return false;
  list_ = std::move(*before_);
  before_.reset();
  return true;
}

int AddNewEvents(EventList& list, const std::vector<EventRecord>& records) {
  const std::vector<EventRecord> held = EventRecords(list);
  int added = 0;
  for (const EventRecord& record : records) {
    const auto same = [&](const EventRecord& r) { return SameEvent(r, record); };
    if (std::any_of(held.begin(), held.end(), same)) continue;
    list.ItemAt(list.LastIndex());  // after the last record, as Record appends
    list.InsertAfterCursor(record);
    ++added;
  }
  return added;
}

}  // namespace jovi
